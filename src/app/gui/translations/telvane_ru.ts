<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="ru">
<context>
    <name>AboutBox</name>
    <message>
        <source>Telvane, версия %1</source>
        <translation>Telvane, версия %1</translation>
    </message>
    <message>
        <source>О программе Telvane</source>
        <translation>О программе Telvane</translation>
    </message>
</context>
<context>
    <name>CablePages</name>
    <message>
        <source>Участок №%1</source>
        <translation>Участок №%1</translation>
    </message>
    <message>
        <source>Тип кабеля</source>
        <translation>Тип кабеля</translation>
    </message>
    <message>
        <source>Погонное сопротивление
ТПЖ (ом*км)</source>
        <translation>Погонное сопротивление
ТПЖ (ом*км)</translation>
    </message>
    <message>
        <source>ТКС</source>
        <translation>ТКС</translation>
    </message>
    <message>
        <source>Размер базы данных</source>
        <translation>Размер базы данных</translation>
    </message>
    <message>
        <source>Текущий</source>
        <translation>Текущий</translation>
    </message>
    <message>
        <source>Максимальный</source>
        <translation>Максимальный</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Передать</source>
        <translation>Передать</translation>
    </message>
    <message>
        <source>База данных на персональном компьютере</source>
        <translation>База данных на персональном компьютере</translation>
    </message>
    <message>
        <source>База данных на приборе</source>
        <translation>База данных на приборе</translation>
    </message>
    <message>
        <source>Номер пары</source>
        <translation>Номер пары</translation>
    </message>
    <message>
        <source>Пара</source>
        <translation>Пара</translation>
    </message>
    <message>
        <source>Емкость AB</source>
        <translation>Емкость AB</translation>
    </message>
    <message>
        <source>Емкость BC</source>
        <translation>Емкость BC</translation>
    </message>
    <message>
        <source>Емкость AC</source>
        <translation>Емкость AC</translation>
    </message>
    <message>
        <source>Изоляция AB</source>
        <translation>Изоляция AB</translation>
    </message>
    <message>
        <source>Изоляция BC</source>
        <translation>Изоляция BC</translation>
    </message>
    <message>
        <source>Изоляция AC</source>
        <translation>Изоляция AC</translation>
    </message>
    <message>
        <source>CSV: кабель...</source>
        <translation>CSV: кабель...</translation>
    </message>
    <message>
        <source>CSV: все кабели...</source>
        <translation>CSV: все кабели...</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Имя кабеля:</source>
        <translation>Имя кабеля:</translation>
    </message>
    <message>
        <source>Температура (С):</source>
        <translation>Температура (С):</translation>
    </message>
    <message>
        <source>Количество участков:</source>
        <translation>Количество участков:</translation>
    </message>
    <message>
        <source>Диаметр жилы, мм</source>
        <translation>Диаметр жилы, мм</translation>
    </message>
    <message>
        <source>Емкость, нф/км</source>
        <translation>Емкость, нф/км</translation>
    </message>
    <message>
        <source>Длина участка, М</source>
        <translation>Длина участка, М</translation>
    </message>
    <message>
        <source>Общая длина, М</source>
        <translation>Общая длина, М</translation>
    </message>
    <message>
        <source>Расчет длины по диаметру и температуре</source>
        <translation>Расчет длины по диаметру и температуре</translation>
    </message>
    <message>
        <source>Кабелей в приборе:</source>
        <translation>Кабелей в приборе:</translation>
    </message>
    <message>
        <source>Максимум:</source>
        <translation>Максимум:</translation>
    </message>
    <message>
        <source>Принять от прибора</source>
        <translation>Принять от прибора</translation>
    </message>
    <message>
        <source>Передать в прибор</source>
        <translation>Передать в прибор</translation>
    </message>
    <message>
        <source>Удалить помеченные</source>
        <translation>Удалить помеченные</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Загрузить БД...</source>
        <translation>Загрузить БД...</translation>
    </message>
    <message>
        <source>№ %1 из %2</source>
        <translation>№ %1 из %2</translation>
    </message>
    <message>
        <source>Список наименований кабелей</source>
        <translation>Список наименований кабелей</translation>
    </message>
    <message>
        <source>Выбор базы данных</source>
        <translation>Выбор базы данных</translation>
    </message>
    <message>
        <source>Параметры кабелей</source>
        <translation>Параметры кабелей</translation>
    </message>
    <message>
        <source>Плановые измерения</source>
        <translation>Плановые измерения</translation>
    </message>
    <message>
        <source>Рефлектограммы</source>
        <translation>Рефлектограммы</translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation>Сохранить...</translation>
    </message>
    <message>
        <source>Наименование кабеля</source>
        <translation>Наименование кабеля</translation>
    </message>
    <message>
        <source>Количество пар</source>
        <translation>Количество пар</translation>
    </message>
    <message>
        <source>Длина кабеля, М</source>
        <translation>Длина кабеля, М</translation>
    </message>
    <message>
        <source>Участки</source>
        <translation>Участки</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Зона</source>
        <translation>Зона</translation>
    </message>
    <message>
        <source>Коэф. укорочения</source>
        <translation>Коэф. укорочения</translation>
    </message>
    <message>
        <source>Эталон брони</source>
        <translation>Эталон брони</translation>
    </message>
    <message>
        <source>Условие</source>
        <translation>Условие</translation>
    </message>
    <message>
        <source>Блокнот измерителя</source>
        <translation>Блокнот измерителя</translation>
    </message>
    <message>
        <source>Длина участка,М</source>
        <translation>Длина участка,М</translation>
    </message>
    <message>
        <source>ТПЖ, Ом/км</source>
        <translation>ТПЖ, Ом/км</translation>
    </message>
    <message>
        <source>Текущее</source>
        <translation>Текущее</translation>
    </message>
    <message>
        <source>Максимальное</source>
        <translation>Максимальное</translation>
    </message>
    <message>
        <source>Кабели</source>
        <translation>Кабели</translation>
    </message>
    <message>
        <source>Пары</source>
        <translation>Пары</translation>
    </message>
    <message>
        <source>Отсчеты рефлектограмм</source>
        <translation>Отсчеты рефлектограмм</translation>
    </message>
    <message>
        <source>Участок %1</source>
        <translation>Участок %1</translation>
    </message>
    <message>
        <source>Кабель №%1</source>
        <translation>Кабель №%1</translation>
    </message>
    <message>
        <source>Загрузка с прибора отмеченных рефлектограмм</source>
        <translation>Загрузка с прибора отмеченных рефлектограмм</translation>
    </message>
    <message>
        <source>Запись в прибор отмеченных рефлектограмм</source>
        <translation>Запись в прибор отмеченных рефлектограмм</translation>
    </message>
    <message>
        <source>Управление способом сохранения и открытия рефлектограмм</source>
        <translation>Управление способом сохранения и открытия рефлектограмм</translation>
    </message>
    <message>
        <source>Обновить БД...</source>
        <translation>Обновить БД...</translation>
    </message>
    <message>
        <source>Открыть БД...</source>
        <translation>Открыть БД...</translation>
    </message>
    <message>
        <source>Загрузка с прибора параметров отмеченных кабелей</source>
        <translation>Загрузка с прибора параметров отмеченных кабелей</translation>
    </message>
    <message>
        <source>Запись в прибор параметров отмеченных кабелей</source>
        <translation>Запись в прибор параметров отмеченных кабелей</translation>
    </message>
    <message>
        <source>Обновление базы данных отмеченными записями</source>
        <translation>Обновление базы данных отмеченными записями</translation>
    </message>
    <message>
        <source>Открытие записей из базы данных</source>
        <translation>Открытие записей из базы данных</translation>
    </message>
    <message>
        <source>Признак</source>
        <translation>Признак</translation>
    </message>
    <message>
        <source>Количество пар:</source>
        <translation>Количество пар:</translation>
    </message>
    <message>
        <source>Номер:</source>
        <translation>Номер:</translation>
    </message>
    <message>
        <source>Тип кабеля:</source>
        <translation>Тип кабеля:</translation>
    </message>
    <message>
        <source>Длина (м):</source>
        <translation>Длина (м):</translation>
    </message>
    <message>
        <source>К.У.:</source>
        <translation>К.У.:</translation>
    </message>
    <message>
        <source>Длина (точек):</source>
        <translation>Длина (точек):</translation>
    </message>
    <message>
        <source>Сохранение рефлектограммы В БД</source>
        <translation>Сохранение рефлектограммы В БД</translation>
    </message>
    <message>
        <source>Открыть  БД...</source>
        <translation>Открыть  БД...</translation>
    </message>
    <message>
        <source>Открытие рефлектограммы из БД</source>
        <translation>Открытие рефлектограммы из БД</translation>
    </message>
    <message>
        <source>Сохранение рефлектограммы в отдельный файл</source>
        <translation>Сохранение рефлектограммы в отдельный файл</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Открыть...</translation>
    </message>
    <message>
        <source>Открытие рефлектограммы из отдельного файла</source>
        <translation>Открытие рефлектограммы из отдельного файла</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Импульс, нс</source>
        <translation>Импульс, нс</translation>
    </message>
    <message>
        <source>Диапазон</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Растяжка</source>
        <translation>Растяжка</translation>
    </message>
    <message>
        <source>Усреднение</source>
        <translation>Усреднение</translation>
    </message>
    <message>
        <source>Усиление, дБ</source>
        <translation>Усиление, дБ</translation>
    </message>
    <message>
        <source>Согласование</source>
        <translation>Согласование</translation>
    </message>
    <message>
        <source>Кабель</source>
        <translation>Кабель</translation>
    </message>
    <message>
        <source>Сохранять в БД</source>
        <translation>Сохранять в БД</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>ПУСТО</source>
        <translation>ПУСТО</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Диапазон, м</source>
        <translation>Диапазон, м</translation>
    </message>
    <message>
        <source>К.У.</source>
        <translation>К.У.</translation>
    </message>
    <message>
        <source>Отсчётов</source>
        <translation>Отсчётов</translation>
    </message>
    <message>
        <source>100%-й износ кабеля</source>
        <translation>100%-й износ кабеля</translation>
    </message>
    <message>
        <source>Значение датчика с введенным ОБРАЗЦОМ </source>
        <translation>Значение датчика с введенным ОБРАЗЦОМ </translation>
    </message>
    <message>
        <source>Значение % износа ОБРАЗЦА </source>
        <translation>Значение % износа ОБРАЗЦА </translation>
    </message>
    <message>
        <source>Количество замеров, записанное в БД</source>
        <translation>Количество замеров, записанное в БД</translation>
    </message>
    <message>
        <source>Длина кабеля</source>
        <translation>Длина кабеля</translation>
    </message>
    <message>
        <source>Длительность интервала замера</source>
        <translation>Длительность интервала замера</translation>
    </message>
    <message>
        <source>Принять и сохранить...</source>
        <translation>Принять и сохранить...</translation>
    </message>
    <message>
        <source>Список листов:</source>
        <translation>Список листов:</translation>
    </message>
    <message>
        <source>Информация:</source>
        <translation>Информация:</translation>
    </message>
    <message>
        <source>Измерений нет</source>
        <translation>Измерений нет</translation>
    </message>
    <message>
        <source>Измерения есть</source>
        <translation>Измерения есть</translation>
    </message>
    <message>
        <source>Принять...</source>
        <translation>Принять...</translation>
    </message>
    <message>
        <source>Параметры типа кабеля</source>
        <translation>Параметры типа кабеля</translation>
    </message>
    <message>
        <source>Rшл (Ом)</source>
        <translation>Rшл (Ом)</translation>
    </message>
    <message>
        <source>Rа (Ом)</source>
        <translation>Rа (Ом)</translation>
    </message>
    <message>
        <source>Имя плановых измерений:</source>
        <translation>Имя плановых измерений:</translation>
    </message>
    <message>
        <source>Дата проведения измерений:</source>
        <translation>Дата проведения измерений:</translation>
    </message>
</context>
<context>
    <name>InfoPage</name>
    <message>
        <source>Наименование</source>
        <translation>Наименование</translation>
    </message>
    <message>
        <source>Серийный номер</source>
        <translation>Серийный номер</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Поиск</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Конец связи</source>
        <translation>Конец связи</translation>
    </message>
    <message>
        <source>ИК связь</source>
        <translation>ИК связь</translation>
    </message>
    <message>
        <source>&amp;О программе Telvane...</source>
        <translation>&amp;О программе Telvane...</translation>
    </message>
    <message>
        <source>Поиск совместимых устройств</source>
        <translation>Поиск совместимых устройств</translation>
    </message>
    <message>
        <source>Прекращение сеанса связи</source>
        <translation>Прекращение сеанса связи</translation>
    </message>
    <message>
        <source>бит/сек</source>
        <translation>бит/сек</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Открыть базу...</source>
        <translation>&amp;Открыть базу...</translation>
    </message>
    <message>
        <source>Открыть тек&amp;ст...</source>
        <translation>Открыть тек&amp;ст...</translation>
    </message>
    <message>
        <source>&amp;Сохранить базу...</source>
        <translation>&amp;Сохранить базу...</translation>
    </message>
    <message>
        <source>Сохранить как &amp;текст...</source>
        <translation>Сохранить как &amp;текст...</translation>
    </message>
    <message>
        <source>Сохранить в формате EXCEL...</source>
        <translation>Сохранить в формате EXCEL...</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>Вы&amp;ход</translation>
    </message>
    <message>
        <source>Открыть базу...</source>
        <translation>Открыть базу...</translation>
    </message>
    <message>
        <source>Сохранить базу...</source>
        <translation>Сохранить базу...</translation>
    </message>
    <message>
        <source>Сохранить как текст...</source>
        <translation>Сохранить как текст...</translation>
    </message>
    <message>
        <source>&amp;Создать БД...</source>
        <translation>&amp;Создать БД...</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Справка: Telvane   F1</source>
        <translation>&amp;Справка: Telvane   F1</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;О программе</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Версия ПО</source>
        <translation>Версия ПО</translation>
    </message>
    <message>
        <source>Кабелей</source>
        <translation>Кабелей</translation>
    </message>
    <message>
        <source>Рефлектограмм</source>
        <translation>Рефлектограмм</translation>
    </message>
    <message>
        <source>Пар плановых измерений</source>
        <translation>Пар плановых измерений</translation>
    </message>
    <message>
        <source>Типов кабелей</source>
        <translation>Типов кабелей</translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation>Сохранить...</translation>
    </message>
    <message>
        <source>Уд. емк.(нФ/км):</source>
        <translation>Уд. емк.(нФ/км):</translation>
    </message>
    <message>
        <source>R шлейфа (Ом):</source>
        <translation>R шлейфа (Ом):</translation>
    </message>
    <message>
        <source>Пл. сеч.(кв. мм):</source>
        <translation>Пл. сеч.(кв. мм):</translation>
    </message>
    <message>
        <source>ТПЖ :</source>
        <translation>ТПЖ :</translation>
    </message>
    <message>
        <source>К.У.:</source>
        <translation>К.У.:</translation>
    </message>
</context>
<context>
    <name>StartupSplash</name>
    <message>
        <source>Идет поиск совместимых устройств</source>
        <translation>Идет поиск совместимых устройств</translation>
    </message>
</context>
<context>
    <name>Tabs</name>
    <message>
        <source>Информация о приборе</source>
        <translation>Информация о приборе</translation>
    </message>
    <message>
        <source>Информация о БД</source>
        <translation>Информация о БД</translation>
    </message>
    <message>
        <source>БД параметров кабелей</source>
        <translation>БД параметров кабелей</translation>
    </message>
    <message>
        <source>БД рефлектограмм</source>
        <translation>БД рефлектограмм</translation>
    </message>
    <message>
        <source>БД плановых измерений</source>
        <translation>БД плановых измерений</translation>
    </message>
    <message>
        <source>БД типов кабелей</source>
        <translation>БД типов кабелей</translation>
    </message>
    <message>
        <source>xDSL</source>
        <translation>xDSL</translation>
    </message>
    <message>
        <source>БД Измерений</source>
        <translation>БД Измерений</translation>
    </message>
    <message>
        <source>База плановых измерений</source>
        <translation>База плановых измерений</translation>
    </message>
    <message>
        <source>Информация о базе данных</source>
        <translation>Информация о базе данных</translation>
    </message>
    <message>
        <source>База параметров кабелей</source>
        <translation>База параметров кабелей</translation>
    </message>
    <message>
        <source>Список частот</source>
        <translation>Список частот</translation>
    </message>
    <message>
        <source>База данных</source>
        <translation>База данных</translation>
    </message>
    <message>
        <source>База кабелей</source>
        <translation>База кабелей</translation>
    </message>
    <message>
        <source>Параметры кабеля</source>
        <translation>Параметры кабеля</translation>
    </message>
    <message>
        <source>Плановые измерения</source>
        <translation>Плановые измерения</translation>
    </message>
    <message>
        <source>Рефлектограммы</source>
        <translation>Рефлектограммы</translation>
    </message>
    <message>
        <source>База измерений</source>
        <translation>База измерений</translation>
    </message>
    <message>
        <source>БД измерений (Керван)</source>
        <translation>БД измерений (Керван)</translation>
    </message>
    <message>
        <source>Частотные измерения</source>
        <translation>Частотные измерения</translation>
    </message>
    <message>
        <source>Измерения</source>
        <translation>Измерения</translation>
    </message>
    <message>
        <source>Файлы</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Маски xDSL</source>
        <translation>Маски xDSL</translation>
    </message>
</context>
<context>
    <name>TesterPages</name>
    <message>
        <source>Список файлов</source>
        <translation>Список файлов</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Количество</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Коэффициент</source>
        <translation>Коэффициент</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Принять</translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation>Сохранить...</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Открыть...</translation>
    </message>
    <message>
        <source>Протокол...</source>
        <translation>Протокол...</translation>
    </message>
    <message>
        <source>Сохранить график...</source>
        <translation>Сохранить график...</translation>
    </message>
    <message>
        <source>Отчёт...</source>
        <translation>Отчёт...</translation>
    </message>
    <message>
        <source>Проценты (%)</source>
        <translation>Проценты (%)</translation>
    </message>
    <message>
        <source>Мбит/c</source>
        <translation>Мбит/c</translation>
    </message>
    <message>
        <source>Ошибки: до %1</source>
        <translation>Ошибки: до %1</translation>
    </message>
    <message>
        <source>Аварийные секунды: до %1</source>
        <translation>Аварийные секунды: до %1</translation>
    </message>
    <message>
        <source>Нет данных</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>Файл пуст</source>
        <translation>Файл пуст</translation>
    </message>
    <message>
        <source>Максимальное кол-во КАБЕЛЕЙ в БД параметров</source>
        <translation>Максимальное кол-во КАБЕЛЕЙ в БД параметров</translation>
    </message>
    <message>
        <source>Текущее кол-во КАБЕЛЕЙ в БД параметров</source>
        <translation>Текущее кол-во КАБЕЛЕЙ в БД параметров</translation>
    </message>
    <message>
        <source>Кол-во типов кабелей, в данной прошивке</source>
        <translation>Кол-во типов кабелей, в данной прошивке</translation>
    </message>
    <message>
        <source>Макс. кол-во пар в БД плановых измерений</source>
        <translation>Макс. кол-во пар в БД плановых измерений</translation>
    </message>
    <message>
        <source>Текущее кол-во пар в БД плановых измерений</source>
        <translation>Текущее кол-во пар в БД плановых измерений</translation>
    </message>
    <message>
        <source>Номер используемого рабочего кабеля</source>
        <translation>Номер используемого рабочего кабеля</translation>
    </message>
    <message>
        <source>Максимальное кол-во участков в кабеле</source>
        <translation>Максимальное кол-во участков в кабеле</translation>
    </message>
    <message>
        <source>Первый свободный байт в пр-ве БД план. изм.</source>
        <translation>Первый свободный байт в пр-ве БД план. изм.</translation>
    </message>
    <message>
        <source>Условный тип микросхемы-хранилища БД</source>
        <translation>Условный тип микросхемы-хранилища БД</translation>
    </message>
    <message>
        <source>Версия прибора</source>
        <translation>Версия прибора</translation>
    </message>
    <message>
        <source>Количество типов кабелей</source>
        <translation>Количество типов кабелей</translation>
    </message>
    <message>
        <source>Количество кабелей в БД</source>
        <translation>Количество кабелей в БД</translation>
    </message>
    <message>
        <source>Количество рефлектограмм в БД</source>
        <translation>Количество рефлектограмм в БД</translation>
    </message>
    <message>
        <source>Размер файла базы данных</source>
        <translation>Размер файла базы данных</translation>
    </message>
    <message>
        <source>байт</source>
        <translation>байт</translation>
    </message>
    <message>
        <source>Принять БД...</source>
        <translation>Принять БД...</translation>
    </message>
    <message>
        <source>Передать БД...</source>
        <translation>Передать БД...</translation>
    </message>
    <message>
        <source>Обновить ПО...</source>
        <translation>Обновить ПО...</translation>
    </message>
    <message>
        <source>Принять sysinfo...</source>
        <translation>Принять sysinfo...</translation>
    </message>
    <message>
        <source>Доступные файлы:</source>
        <translation>Доступные файлы:</translation>
    </message>
    <message>
        <source>Принять от прибора...</source>
        <translation>Принять от прибора...</translation>
    </message>
    <message>
        <source>Удалить на приборе...</source>
        <translation>Удалить на приборе...</translation>
    </message>
    <message>
        <source>Сменить папку</source>
        <translation>Сменить папку</translation>
    </message>
    <message>
        <source>Обновить ПО прибора...</source>
        <translation>Обновить ПО прибора...</translation>
    </message>
    <message>
        <source>Формат:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>Измерительный режим:</source>
        <translation>Измерительный режим:</translation>
    </message>
    <message>
        <source>спектр</source>
        <translation>спектр</translation>
    </message>
    <message>
        <source>приёмник</source>
        <translation>приёмник</translation>
    </message>
    <message>
        <source>Передать в прибор...</source>
        <translation>Передать в прибор...</translation>
    </message>
    <message>
        <source>Логи</source>
        <translation>Логи</translation>
    </message>
    <message>
        <source>Лог</source>
        <translation>Лог</translation>
    </message>
    <message>
        <source>Наименование:</source>
        <translation>Наименование:</translation>
    </message>
    <message>
        <source>Режим:</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>Выделить все</source>
        <translation>Выделить все</translation>
    </message>
    <message>
        <source>Снять выделение</source>
        <translation>Снять выделение</translation>
    </message>
    <message>
        <source>Показать график</source>
        <translation>Показать график</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>неизвестный</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Удалить все измерения</source>
        <translation>Удалить все измерения</translation>
    </message>
    <message>
        <source>Список частот, кГц</source>
        <translation>Список частот, кГц</translation>
    </message>
    <message>
        <source>Частота, кГц</source>
        <translation>Частота, кГц</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Передать</source>
        <translation>Передать</translation>
    </message>
    <message>
        <source>Частот в списке: %1 из %2</source>
        <translation>Частот в списке: %1 из %2</translation>
    </message>
    <message>
        <source>Вид измерений:</source>
        <translation>Вид измерений:</translation>
    </message>
    <message>
        <source>УП</source>
        <translation>УП</translation>
    </message>
    <message>
        <source>Спектр</source>
        <translation>Спектр</translation>
    </message>
    <message>
        <source>АЧХ</source>
        <translation>АЧХ</translation>
    </message>
    <message>
        <source>АЧХ+</source>
        <translation>АЧХ+</translation>
    </message>
    <message>
        <source>ADSL</source>
        <translation>ADSL</translation>
    </message>
    <message>
        <source>ADSL модем</source>
        <translation>ADSL модем</translation>
    </message>
    <message>
        <source>Число записей УП</source>
        <translation>Число записей УП</translation>
    </message>
    <message>
        <source>Число записей АЧХ</source>
        <translation>Число записей АЧХ</translation>
    </message>
    <message>
        <source>Число записей АЧХ+</source>
        <translation>Число записей АЧХ+</translation>
    </message>
    <message>
        <source>Число записей Спектра</source>
        <translation>Число записей Спектра</translation>
    </message>
    <message>
        <source>Число Рефлектограмм</source>
        <translation>Число Рефлектограмм</translation>
    </message>
    <message>
        <source>Число записей ADSL</source>
        <translation>Число записей ADSL</translation>
    </message>
    <message>
        <source>Число записей в Списке частот</source>
        <translation>Число записей в Списке частот</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Импульс, нс</source>
        <translation>Импульс, нс</translation>
    </message>
    <message>
        <source>Диапазон, м</source>
        <translation>Диапазон, м</translation>
    </message>
    <message>
        <source>Растяжка</source>
        <translation>Растяжка</translation>
    </message>
    <message>
        <source>Усреднение</source>
        <translation>Усреднение</translation>
    </message>
    <message>
        <source>Усиление, дБ</source>
        <translation>Усиление, дБ</translation>
    </message>
    <message>
        <source>К.У.</source>
        <translation>К.У.</translation>
    </message>
    <message>
        <source>Запись:</source>
        <translation>Запись:</translation>
    </message>
    <message>
        <source>Уровень, дБ</source>
        <translation>Уровень, дБ</translation>
    </message>
    <message>
        <source>№</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Наименование кабеля</source>
        <translation>Наименование кабеля</translation>
    </message>
    <message>
        <source>Кол-во пар</source>
        <translation>Кол-во пар</translation>
    </message>
    <message>
        <source>Длина, м</source>
        <translation>Длина, м</translation>
    </message>
    <message>
        <source>Участки</source>
        <translation>Участки</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Принять от прибора</source>
        <translation>Принять от прибора</translation>
    </message>
    <message>
        <source>Принять запись</source>
        <translation>Принять запись</translation>
    </message>
    <message>
        <source>Передать в прибор</source>
        <translation>Передать в прибор</translation>
    </message>
    <message>
        <source>Номер пары</source>
        <translation>Номер пары</translation>
    </message>
    <message>
        <source>Емкость AC</source>
        <translation>Емкость AC</translation>
    </message>
    <message>
        <source>Емкость BC</source>
        <translation>Емкость BC</translation>
    </message>
    <message>
        <source>Емкость AB</source>
        <translation>Емкость AB</translation>
    </message>
    <message>
        <source>Изоляция AC</source>
        <translation>Изоляция AC</translation>
    </message>
    <message>
        <source>Изоляция BC</source>
        <translation>Изоляция BC</translation>
    </message>
    <message>
        <source>Изоляция AB</source>
        <translation>Изоляция AB</translation>
    </message>
    <message>
        <source>Не выбран кабель</source>
        <translation>Не выбран кабель</translation>
    </message>
    <message>
        <source>Кабель №%1: %2</source>
        <translation>Кабель №%1: %2</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>НЕТ ИЗМЕРЕНИЙ</source>
        <translation>НЕТ ИЗМЕРЕНИЙ</translation>
    </message>
    <message>
        <source>нФ</source>
        <translation>нФ</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ом</translation>
    </message>
    <message>
        <source>КОм</source>
        <translation>КОм</translation>
    </message>
    <message>
        <source>кОм</source>
        <translation>кОм</translation>
    </message>
    <message>
        <source>МОм</source>
        <translation>МОм</translation>
    </message>
</context>
<context>
    <name>TracePlot</name>
    <message>
        <source>Насколько отражение должно выделяться из шума</source>
        <translation>Насколько отражение должно выделяться из шума</translation>
    </message>
    <message>
        <source>Порог:</source>
        <translation>Порог:</translation>
    </message>
    <message>
        <source>Весь график</source>
        <translation>Весь график</translation>
    </message>
    <message>
        <source>Сбросить масштаб (Home, двойной щелчок)</source>
        <translation>Сбросить масштаб (Home, двойной щелчок)</translation>
    </message>
    <message>
        <source>Сохранить PNG...</source>
        <translation>Сохранить PNG...</translation>
    </message>
    <message>
        <source>Расстояние, м</source>
        <translation>Расстояние, м</translation>
    </message>
    <message>
        <source>Амплитуда</source>
        <translation>Амплитуда</translation>
    </message>
    <message>
        <source>Фронт</source>
        <translation>Фронт</translation>
    </message>
    <message>
        <source>нарастающий</source>
        <translation>нарастающий</translation>
    </message>
    <message>
        <source>спадающий</source>
        <translation>спадающий</translation>
    </message>
    <message>
        <source>зондирующий импульс</source>
        <translation>зондирующий импульс</translation>
    </message>
    <message>
        <source>вероятно конец линии или повреждение</source>
        <translation>вероятно конец линии или повреждение</translation>
    </message>
    <message>
        <source>Курсор 1: %1 м   %2</source>
        <translation>Курсор 1: %1 м   %2</translation>
    </message>
    <message>
        <source>Курсор 2: %1 м   %2</source>
        <translation>Курсор 2: %1 м   %2</translation>
    </message>
    <message>
        <source>Разность: %1 м   %2</source>
        <translation>Разность: %1 м   %2</translation>
    </message>
    <message>
        <source>м</source>
        <translation>м</translation>
    </message>
    <message>
        <source>Ошибка создания файла</source>
        <translation>Ошибка создания файла</translation>
    </message>
</context>
<context>
    <name>TraceViewer</name>
    <message>
        <source>Telvane: просмотр рефлектограмм</source>
        <translation>Telvane: просмотр рефлектограмм</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Открыть...</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>Тон</source>
        <translation>Тон</translation>
    </message>
    <message>
        <source>кГц</source>
        <translation>кГц</translation>
    </message>
    <message>
        <source>Шум</source>
        <translation>Шум</translation>
    </message>
    <message>
        <source>дБм/Гц</source>
        <translation>дБм/Гц</translation>
    </message>
    <message>
        <source>дБ</source>
        <translation>дБ</translation>
    </message>
    <message>
        <source>Биты</source>
        <translation>Биты</translation>
    </message>
    <message>
        <source>бит</source>
        <translation>бит</translation>
    </message>
    <message>
        <source>Шум, дБм/Гц</source>
        <translation>Шум, дБм/Гц</translation>
    </message>
    <message>
        <source>SNR, дБ</source>
        <translation>SNR, дБ</translation>
    </message>
    <message>
        <source>Биты на тон</source>
        <translation>Биты на тон</translation>
    </message>
    <message>
        <source>УП</source>
        <translation>УП</translation>
    </message>
    <message>
        <source>Спектр</source>
        <translation>Спектр</translation>
    </message>
    <message>
        <source>АЧХ</source>
        <translation>АЧХ</translation>
    </message>
    <message>
        <source>АЧХ+</source>
        <translation>АЧХ+</translation>
    </message>
    <message>
        <source>Частота, кГц</source>
        <translation>Частота, кГц</translation>
    </message>
    <message>
        <source>Уровень, дБ</source>
        <translation>Уровень, дБ</translation>
    </message>
</context>
</TS>
