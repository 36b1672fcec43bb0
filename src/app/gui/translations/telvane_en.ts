<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AboutBox</name>
    <message>
        <source>Telvane, версия %1</source>
        <translation>Telvane, version %1</translation>
    </message>
    <message>
        <source>О программе Telvane</source>
        <translation>About Telvane</translation>
    </message>
</context>
<context>
    <name>CablePages</name>
    <message>
        <source>Участок №%1</source>
        <translation>Section No. %1</translation>
    </message>
    <message>
        <source>Тип кабеля</source>
        <translation>Cable type</translation>
    </message>
    <message>
        <source>Погонное сопротивление
ТПЖ (ом*км)</source>
        <translation>Conductor resistance
per length (ohm*km)</translation>
    </message>
    <message>
        <source>ТКС</source>
        <translation>TCR</translation>
    </message>
    <message>
        <source>Размер базы данных</source>
        <translation>Database Size</translation>
    </message>
    <message>
        <source>Текущий</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Максимальный</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Receive</translation>
    </message>
    <message>
        <source>Передать</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>База данных на персональном компьютере</source>
        <translation>Database on the Computer</translation>
    </message>
    <message>
        <source>База данных на приборе</source>
        <translation>Database on the Instrument</translation>
    </message>
    <message>
        <source>Номер пары</source>
        <translation>Pair Number</translation>
    </message>
    <message>
        <source>Пара</source>
        <translation>Pair</translation>
    </message>
    <message>
        <source>Емкость AB</source>
        <translation>Capacitance AB</translation>
    </message>
    <message>
        <source>Емкость BC</source>
        <translation>Capacitance BC</translation>
    </message>
    <message>
        <source>Емкость AC</source>
        <translation>Capacitance AC</translation>
    </message>
    <message>
        <source>Изоляция AB</source>
        <translation>Insulation AB</translation>
    </message>
    <message>
        <source>Изоляция BC</source>
        <translation>Insulation BC</translation>
    </message>
    <message>
        <source>Изоляция AC</source>
        <translation>Insulation AC</translation>
    </message>
    <message>
        <source>CSV: кабель...</source>
        <translation>CSV: Cable...</translation>
    </message>
    <message>
        <source>CSV: все кабели...</source>
        <translation>CSV: All Cables...</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Имя кабеля:</source>
        <translation>Cable name:</translation>
    </message>
    <message>
        <source>Температура (С):</source>
        <translation>Temperature (C):</translation>
    </message>
    <message>
        <source>Количество участков:</source>
        <translation>Number of sections:</translation>
    </message>
    <message>
        <source>Диаметр жилы, мм</source>
        <translation>Conductor diameter, mm</translation>
    </message>
    <message>
        <source>Емкость, нф/км</source>
        <translation>Capacitance, nF/km</translation>
    </message>
    <message>
        <source>Длина участка, М</source>
        <translation>Section length, m</translation>
    </message>
    <message>
        <source>Общая длина, М</source>
        <translation>Total length, m</translation>
    </message>
    <message>
        <source>Расчет длины по диаметру и температуре</source>
        <translation>Length from diameter and temperature</translation>
    </message>
    <message>
        <source>Кабелей в приборе:</source>
        <translation>Cables in the instrument:</translation>
    </message>
    <message>
        <source>Максимум:</source>
        <translation>Maximum:</translation>
    </message>
    <message>
        <source>Принять от прибора</source>
        <translation>Receive from Instrument</translation>
    </message>
    <message>
        <source>Передать в прибор</source>
        <translation>Send to Instrument</translation>
    </message>
    <message>
        <source>Удалить помеченные</source>
        <translation>Delete Marked</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Загрузить БД...</source>
        <translation>Load Database...</translation>
    </message>
    <message>
        <source>№ %1 из %2</source>
        <translation>No. %1 of %2</translation>
    </message>
    <message>
        <source>Список наименований кабелей</source>
        <translation>Cable Names</translation>
    </message>
    <message>
        <source>Выбор базы данных</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Параметры кабелей</source>
        <translation>Cable Parameters</translation>
    </message>
    <message>
        <source>Плановые измерения</source>
        <translation>Planned Measurements</translation>
    </message>
    <message>
        <source>Рефлектограммы</source>
        <translation>Reflectograms</translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Наименование кабеля</source>
        <translation>Cable name</translation>
    </message>
    <message>
        <source>Количество пар</source>
        <translation>Number of pairs</translation>
    </message>
    <message>
        <source>Длина кабеля, М</source>
        <translation>Cable length, m</translation>
    </message>
    <message>
        <source>Участки</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>Температура</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Зона</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Коэф. укорочения</source>
        <translation>Shortening factor</translation>
    </message>
    <message>
        <source>Эталон брони</source>
        <translation>Armour reference</translation>
    </message>
    <message>
        <source>Условие</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>Блокнот измерителя</source>
        <translation>Meter notebook</translation>
    </message>
    <message>
        <source>Длина участка,М</source>
        <translation>Section length, m</translation>
    </message>
    <message>
        <source>ТПЖ, Ом/км</source>
        <translation>Conductor resistance, ohm/km</translation>
    </message>
    <message>
        <source>Текущее</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Максимальное</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Кабели</source>
        <translation>Cables</translation>
    </message>
    <message>
        <source>Пары</source>
        <translation>Pairs</translation>
    </message>
    <message>
        <source>Отсчеты рефлектограмм</source>
        <translation>Reflectogram samples</translation>
    </message>
    <message>
        <source>Участок %1</source>
        <translation>Section %1</translation>
    </message>
    <message>
        <source>Кабель №%1</source>
        <translation>Cable No. %1</translation>
    </message>
    <message>
        <source>Загрузка с прибора отмеченных рефлектограмм</source>
        <translation>Load the marked reflectograms from the instrument</translation>
    </message>
    <message>
        <source>Запись в прибор отмеченных рефлектограмм</source>
        <translation>Write the marked reflectograms to the instrument</translation>
    </message>
    <message>
        <source>Управление способом сохранения и открытия рефлектограмм</source>
        <translation>Choose how reflectograms are saved and opened</translation>
    </message>
    <message>
        <source>Обновить БД...</source>
        <translation>Update DB...</translation>
    </message>
    <message>
        <source>Открыть БД...</source>
        <translation>Open DB...</translation>
    </message>
    <message>
        <source>Загрузка с прибора параметров отмеченных кабелей</source>
        <translation>Load the parameters of the checked cables from the instrument</translation>
    </message>
    <message>
        <source>Запись в прибор параметров отмеченных кабелей</source>
        <translation>Write the parameters of the checked cables to the instrument</translation>
    </message>
    <message>
        <source>Обновление базы данных отмеченными записями</source>
        <translation>Update the database with the checked records</translation>
    </message>
    <message>
        <source>Открытие записей из базы данных</source>
        <translation>Open records from the database</translation>
    </message>
    <message>
        <source>Признак</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Количество пар:</source>
        <translation>Pairs:</translation>
    </message>
    <message>
        <source>Номер:</source>
        <translation>Number:</translation>
    </message>
    <message>
        <source>Тип кабеля:</source>
        <translation>Cable type:</translation>
    </message>
    <message>
        <source>Длина (м):</source>
        <translation>Length (m):</translation>
    </message>
    <message>
        <source>К.У.:</source>
        <translation>Velocity factor:</translation>
    </message>
    <message>
        <source>Длина (точек):</source>
        <translation>Length (points):</translation>
    </message>
    <message>
        <source>Сохранение рефлектограммы В БД</source>
        <translation>Save the reflectogram to the database</translation>
    </message>
    <message>
        <source>Открыть  БД...</source>
        <translation>Open  DB...</translation>
    </message>
    <message>
        <source>Открытие рефлектограммы из БД</source>
        <translation>Open a reflectogram from the database</translation>
    </message>
    <message>
        <source>Сохранение рефлектограммы в отдельный файл</source>
        <translation>Save the reflectogram to a separate file</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Открытие рефлектограммы из отдельного файла</source>
        <translation>Open a reflectogram from a separate file</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Импульс, нс</source>
        <translation>Pulse, ns</translation>
    </message>
    <message>
        <source>Диапазон</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Растяжка</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>Усреднение</source>
        <translation>Averaging</translation>
    </message>
    <message>
        <source>Усиление, дБ</source>
        <translation>Gain, dB</translation>
    </message>
    <message>
        <source>Согласование</source>
        <translation>Matching</translation>
    </message>
    <message>
        <source>Кабель</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>Сохранять в БД</source>
        <translation>Save to DB</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>ПУСТО</source>
        <translation>EMPTY</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Диапазон, м</source>
        <translation>Range, m</translation>
    </message>
    <message>
        <source>К.У.</source>
        <translation>Velocity factor</translation>
    </message>
    <message>
        <source>Отсчётов</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>100%-й износ кабеля</source>
        <translation>100% cable wear</translation>
    </message>
    <message>
        <source>Значение датчика с введенным ОБРАЗЦОМ </source>
        <translation>Sensor value with the SAMPLE inserted </translation>
    </message>
    <message>
        <source>Значение % износа ОБРАЗЦА </source>
        <translation>Wear of the SAMPLE, % </translation>
    </message>
    <message>
        <source>Количество замеров, записанное в БД</source>
        <translation>Measurements stored in the database</translation>
    </message>
    <message>
        <source>Длина кабеля</source>
        <translation>Cable length</translation>
    </message>
    <message>
        <source>Длительность интервала замера</source>
        <translation>Measurement interval</translation>
    </message>
    <message>
        <source>Принять и сохранить...</source>
        <translation>Receive and save...</translation>
    </message>
    <message>
        <source>Список листов:</source>
        <translation>Sheet list:</translation>
    </message>
    <message>
        <source>Информация:</source>
        <translation>Information:</translation>
    </message>
    <message>
        <source>Измерений нет</source>
        <translation>No measurements</translation>
    </message>
    <message>
        <source>Измерения есть</source>
        <translation>Measurements present</translation>
    </message>
    <message>
        <source>Принять...</source>
        <translation>Receive...</translation>
    </message>
    <message>
        <source>Параметры типа кабеля</source>
        <translation>Cable Type Parameters</translation>
    </message>
    <message>
        <source>Rшл (Ом)</source>
        <translation>R loop (Ohm)</translation>
    </message>
    <message>
        <source>Rа (Ом)</source>
        <translation>Ra (Ohm)</translation>
    </message>
    <message>
        <source>Имя плановых измерений:</source>
        <translation>Planned measurements name:</translation>
    </message>
    <message>
        <source>Дата проведения измерений:</source>
        <translation>Measurement date:</translation>
    </message>
</context>
<context>
    <name>InfoPage</name>
    <message>
        <source>Наименование</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Серийный номер</source>
        <translation>Serial Number</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Поиск</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Конец связи</source>
        <translation>End Session</translation>
    </message>
    <message>
        <source>ИК связь</source>
        <translation>IR link</translation>
    </message>
    <message>
        <source>&amp;О программе Telvane...</source>
        <translation>&amp;About Telvane...</translation>
    </message>
    <message>
        <source>Поиск совместимых устройств</source>
        <translation>Search for compatible devices</translation>
    </message>
    <message>
        <source>Прекращение сеанса связи</source>
        <translation>End the communication session</translation>
    </message>
    <message>
        <source>бит/сек</source>
        <translation>bit/s</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Открыть базу...</source>
        <translation>&amp;Open Database...</translation>
    </message>
    <message>
        <source>Открыть тек&amp;ст...</source>
        <translation>Open Te&amp;xt...</translation>
    </message>
    <message>
        <source>&amp;Сохранить базу...</source>
        <translation>&amp;Save Database...</translation>
    </message>
    <message>
        <source>Сохранить как &amp;текст...</source>
        <translation>Save as &amp;Text...</translation>
    </message>
    <message>
        <source>Сохранить в формате EXCEL...</source>
        <translation>Save in EXCEL Format...</translation>
    </message>
    <message>
        <source>Вы&amp;ход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Открыть базу...</source>
        <translation>Open Database...</translation>
    </message>
    <message>
        <source>Сохранить базу...</source>
        <translation>Save Database...</translation>
    </message>
    <message>
        <source>Сохранить как текст...</source>
        <translation>Save as Text...</translation>
    </message>
    <message>
        <source>&amp;Создать БД...</source>
        <translation>&amp;Create Database...</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Справка: Telvane   F1</source>
        <translation>&amp;Help: Telvane   F1</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Версия ПО</source>
        <translation>Firmware Version</translation>
    </message>
    <message>
        <source>Кабелей</source>
        <translation>Cables</translation>
    </message>
    <message>
        <source>Рефлектограмм</source>
        <translation>Reflectograms</translation>
    </message>
    <message>
        <source>Пар плановых измерений</source>
        <translation>Planned Measurement Pairs</translation>
    </message>
    <message>
        <source>Типов кабелей</source>
        <translation>Cable Types</translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Уд. емк.(нФ/км):</source>
        <translation>Spec. cap. (nF/km):</translation>
    </message>
    <message>
        <source>R шлейфа (Ом):</source>
        <translation>Loop R (Ohm):</translation>
    </message>
    <message>
        <source>Пл. сеч.(кв. мм):</source>
        <translation>Cross-section (sq. mm):</translation>
    </message>
    <message>
        <source>ТПЖ :</source>
        <translation>Conductor R:</translation>
    </message>
    <message>
        <source>К.У.:</source>
        <translation>Velocity factor:</translation>
    </message>
</context>
<context>
    <name>StartupSplash</name>
    <message>
        <source>Идет поиск совместимых устройств</source>
        <translation>Searching for compatible devices</translation>
    </message>
</context>
<context>
    <name>Tabs</name>
    <message>
        <source>Информация о приборе</source>
        <translation>Instrument Information</translation>
    </message>
    <message>
        <source>Информация о БД</source>
        <translation>Database Information</translation>
    </message>
    <message>
        <source>БД параметров кабелей</source>
        <translation>Cable Parameters DB</translation>
    </message>
    <message>
        <source>БД рефлектограмм</source>
        <translation>Reflectograms DB</translation>
    </message>
    <message>
        <source>БД плановых измерений</source>
        <translation>Planned Measurements DB</translation>
    </message>
    <message>
        <source>БД типов кабелей</source>
        <translation>Cable Types DB</translation>
    </message>
    <message>
        <source>xDSL</source>
        <translation>xDSL</translation>
    </message>
    <message>
        <source>БД Измерений</source>
        <translation>Measurements DB</translation>
    </message>
    <message>
        <source>База плановых измерений</source>
        <translation>Planned Measurements Database</translation>
    </message>
    <message>
        <source>Информация о базе данных</source>
        <translation>Database Information</translation>
    </message>
    <message>
        <source>База параметров кабелей</source>
        <translation>Cable Parameters Database</translation>
    </message>
    <message>
        <source>Список частот</source>
        <translation>Frequency List</translation>
    </message>
    <message>
        <source>База данных</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>База кабелей</source>
        <translation>Cable Database</translation>
    </message>
    <message>
        <source>Параметры кабеля</source>
        <translation>Cable Parameters</translation>
    </message>
    <message>
        <source>Плановые измерения</source>
        <translation>Planned Measurements</translation>
    </message>
    <message>
        <source>Рефлектограммы</source>
        <translation>Reflectograms</translation>
    </message>
    <message>
        <source>База измерений</source>
        <translation>Measurements Database</translation>
    </message>
    <message>
        <source>БД измерений (Керван)</source>
        <translation>Measurements DB (Kervan)</translation>
    </message>
    <message>
        <source>Частотные измерения</source>
        <translation>Frequency Measurements</translation>
    </message>
    <message>
        <source>Измерения</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Файлы</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Маски xDSL</source>
        <translation>xDSL Masks</translation>
    </message>
</context>
<context>
    <name>TesterPages</name>
    <message>
        <source>Список файлов</source>
        <translation>File List</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Количество</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Коэффициент</source>
        <translation>Ratio</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Receive</translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Протокол...</source>
        <translation>Protocol...</translation>
    </message>
    <message>
        <source>Сохранить график...</source>
        <translation>Save Chart...</translation>
    </message>
    <message>
        <source>Отчёт...</source>
        <translation>Report...</translation>
    </message>
    <message>
        <source>Проценты (%)</source>
        <translation>Percent (%)</translation>
    </message>
    <message>
        <source>Мбит/c</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Ошибки: до %1</source>
        <translation>Errors: up to %1</translation>
    </message>
    <message>
        <source>Аварийные секунды: до %1</source>
        <translation>Alarm seconds: up to %1</translation>
    </message>
    <message>
        <source>Нет данных</source>
        <translation>No data</translation>
    </message>
    <message>
        <source>Файл пуст</source>
        <translation>File is empty</translation>
    </message>
    <message>
        <source>Максимальное кол-во КАБЕЛЕЙ в БД параметров</source>
        <translation>Maximum number of CABLES in the parameter database</translation>
    </message>
    <message>
        <source>Текущее кол-во КАБЕЛЕЙ в БД параметров</source>
        <translation>Current number of CABLES in the parameter database</translation>
    </message>
    <message>
        <source>Кол-во типов кабелей, в данной прошивке</source>
        <translation>Number of cable types in this firmware</translation>
    </message>
    <message>
        <source>Макс. кол-во пар в БД плановых измерений</source>
        <translation>Max. number of pairs in the planned-measurement database</translation>
    </message>
    <message>
        <source>Текущее кол-во пар в БД плановых измерений</source>
        <translation>Current number of pairs in the planned-measurement database</translation>
    </message>
    <message>
        <source>Номер используемого рабочего кабеля</source>
        <translation>Number of the working cable in use</translation>
    </message>
    <message>
        <source>Максимальное кол-во участков в кабеле</source>
        <translation>Maximum number of sections in a cable</translation>
    </message>
    <message>
        <source>Первый свободный байт в пр-ве БД план. изм.</source>
        <translation>First free byte of the planned-measurement database</translation>
    </message>
    <message>
        <source>Условный тип микросхемы-хранилища БД</source>
        <translation>Storage chip type of the database</translation>
    </message>
    <message>
        <source>Версия прибора</source>
        <translation>Instrument Version</translation>
    </message>
    <message>
        <source>Количество типов кабелей</source>
        <translation>Number of Cable Types</translation>
    </message>
    <message>
        <source>Количество кабелей в БД</source>
        <translation>Number of Cables in Database</translation>
    </message>
    <message>
        <source>Количество рефлектограмм в БД</source>
        <translation>Number of Reflectograms in Database</translation>
    </message>
    <message>
        <source>Размер файла базы данных</source>
        <translation>Database File Size</translation>
    </message>
    <message>
        <source>байт</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>Принять БД...</source>
        <translation>Receive Database...</translation>
    </message>
    <message>
        <source>Передать БД...</source>
        <translation>Send Database...</translation>
    </message>
    <message>
        <source>Обновить ПО...</source>
        <translation>Update Software...</translation>
    </message>
    <message>
        <source>Принять sysinfo...</source>
        <translation>Receive sysinfo...</translation>
    </message>
    <message>
        <source>Доступные файлы:</source>
        <translation>Available Files:</translation>
    </message>
    <message>
        <source>Принять от прибора...</source>
        <translation>Receive from Instrument...</translation>
    </message>
    <message>
        <source>Удалить на приборе...</source>
        <translation>Delete on Instrument...</translation>
    </message>
    <message>
        <source>Сменить папку</source>
        <translation>Change Folder</translation>
    </message>
    <message>
        <source>Обновить ПО прибора...</source>
        <translation>Update Instrument Software...</translation>
    </message>
    <message>
        <source>Формат:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Измерительный режим:</source>
        <translation>Measurement Mode:</translation>
    </message>
    <message>
        <source>спектр</source>
        <translation>spectrum</translation>
    </message>
    <message>
        <source>приёмник</source>
        <translation>receiver</translation>
    </message>
    <message>
        <source>Передать в прибор...</source>
        <translation>Send to Instrument...</translation>
    </message>
    <message>
        <source>Логи</source>
        <translation>Logs</translation>
    </message>
    <message>
        <source>Лог</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Наименование:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Режим:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>Выделить все</source>
        <translation>Mark All</translation>
    </message>
    <message>
        <source>Снять выделение</source>
        <translation>Unmark All</translation>
    </message>
    <message>
        <source>Показать график</source>
        <translation>Show Chart</translation>
    </message>
    <message>
        <source>неизвестный</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Удалить все измерения</source>
        <translation>Delete all measurements</translation>
    </message>
    <message>
        <source>Список частот, кГц</source>
        <translation>Frequency list, kHz</translation>
    </message>
    <message>
        <source>Частота, кГц</source>
        <translation>Frequency, kHz</translation>
    </message>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Передать</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Частот в списке: %1 из %2</source>
        <translation>%1 of %2 frequencies in the list</translation>
    </message>
    <message>
        <source>Вид измерений:</source>
        <translation>Measurement:</translation>
    </message>
    <message>
        <source>УП</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Спектр</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>АЧХ</source>
        <translation>Frequency response</translation>
    </message>
    <message>
        <source>АЧХ+</source>
        <translation>Frequency response+</translation>
    </message>
    <message>
        <source>ADSL</source>
        <translation>ADSL</translation>
    </message>
    <message>
        <source>ADSL модем</source>
        <translation>ADSL modem</translation>
    </message>
    <message>
        <source>Число записей УП</source>
        <translation>Level records</translation>
    </message>
    <message>
        <source>Число записей АЧХ</source>
        <translation>Frequency-response records</translation>
    </message>
    <message>
        <source>Число записей АЧХ+</source>
        <translation>Extended frequency-response records</translation>
    </message>
    <message>
        <source>Число записей Спектра</source>
        <translation>Spectrum records</translation>
    </message>
    <message>
        <source>Число Рефлектограмм</source>
        <translation>Reflectograms</translation>
    </message>
    <message>
        <source>Число записей ADSL</source>
        <translation>ADSL records</translation>
    </message>
    <message>
        <source>Число записей в Списке частот</source>
        <translation>Entries in the frequency list</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Импульс, нс</source>
        <translation>Pulse, ns</translation>
    </message>
    <message>
        <source>Диапазон, м</source>
        <translation>Range, m</translation>
    </message>
    <message>
        <source>Растяжка</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>Усреднение</source>
        <translation>Averaging</translation>
    </message>
    <message>
        <source>Усиление, дБ</source>
        <translation>Gain, dB</translation>
    </message>
    <message>
        <source>К.У.</source>
        <translation>Velocity factor</translation>
    </message>
    <message>
        <source>Запись:</source>
        <translation>Record:</translation>
    </message>
    <message>
        <source>Уровень, дБ</source>
        <translation>Level, dB</translation>
    </message>
    <message>
        <source>№</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Наименование кабеля</source>
        <translation>Cable name</translation>
    </message>
    <message>
        <source>Кол-во пар</source>
        <translation>Pairs</translation>
    </message>
    <message>
        <source>Длина, м</source>
        <translation>Length, m</translation>
    </message>
    <message>
        <source>Участки</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Принять от прибора</source>
        <translation>Receive from Instrument</translation>
    </message>
    <message>
        <source>Принять запись</source>
        <translation>Receive Record</translation>
    </message>
    <message>
        <source>Передать в прибор</source>
        <translation>Send to Instrument</translation>
    </message>
    <message>
        <source>Номер пары</source>
        <translation>Pair Number</translation>
    </message>
    <message>
        <source>Емкость AC</source>
        <translation>Capacitance AC</translation>
    </message>
    <message>
        <source>Емкость BC</source>
        <translation>Capacitance BC</translation>
    </message>
    <message>
        <source>Емкость AB</source>
        <translation>Capacitance AB</translation>
    </message>
    <message>
        <source>Изоляция AC</source>
        <translation>Insulation AC</translation>
    </message>
    <message>
        <source>Изоляция BC</source>
        <translation>Insulation BC</translation>
    </message>
    <message>
        <source>Изоляция AB</source>
        <translation>Insulation AB</translation>
    </message>
    <message>
        <source>Не выбран кабель</source>
        <translation>No cable chosen</translation>
    </message>
    <message>
        <source>Кабель №%1: %2</source>
        <translation>Cable No. %1: %2</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>НЕТ ИЗМЕРЕНИЙ</source>
        <translation>NOT MEASURED</translation>
    </message>
    <message>
        <source>нФ</source>
        <translation>nF</translation>
    </message>
    <message>
        <source>Ом</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>КОм</source>
        <translation>kOhm</translation>
    </message>
    <message>
        <source>кОм</source>
        <translation>kOhm</translation>
    </message>
    <message>
        <source>МОм</source>
        <translation>MOhm</translation>
    </message>
</context>
<context>
    <name>TracePlot</name>
    <message>
        <source>Насколько отражение должно выделяться из шума</source>
        <translation>How far a reflection must stand out of the noise</translation>
    </message>
    <message>
        <source>Порог:</source>
        <translation>Threshold:</translation>
    </message>
    <message>
        <source>Весь график</source>
        <translation>Whole trace</translation>
    </message>
    <message>
        <source>Сбросить масштаб (Home, двойной щелчок)</source>
        <translation>Reset the zoom (Home, double click)</translation>
    </message>
    <message>
        <source>Сохранить PNG...</source>
        <translation>Save PNG...</translation>
    </message>
    <message>
        <source>Расстояние, м</source>
        <translation>Distance, m</translation>
    </message>
    <message>
        <source>Амплитуда</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Фронт</source>
        <translation>Slope</translation>
    </message>
    <message>
        <source>нарастающий</source>
        <translation>rising</translation>
    </message>
    <message>
        <source>спадающий</source>
        <translation>falling</translation>
    </message>
    <message>
        <source>зондирующий импульс</source>
        <translation>launch pulse</translation>
    </message>
    <message>
        <source>вероятно конец линии или повреждение</source>
        <translation>likely line end or fault</translation>
    </message>
    <message>
        <source>Курсор 1: %1 м   %2</source>
        <translation>Cursor 1: %1 m   %2</translation>
    </message>
    <message>
        <source>Курсор 2: %1 м   %2</source>
        <translation>Cursor 2: %1 m   %2</translation>
    </message>
    <message>
        <source>Разность: %1 м   %2</source>
        <translation>Difference: %1 m   %2</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Ошибка создания файла</source>
        <translation>File creation error</translation>
    </message>
</context>
<context>
    <name>TraceViewer</name>
    <message>
        <source>Telvane: просмотр рефлектограмм</source>
        <translation>Telvane: reflectogram viewer</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>Тон</source>
        <translation>Tone</translation>
    </message>
    <message>
        <source>кГц</source>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Шум</source>
        <translation>Noise</translation>
    </message>
    <message>
        <source>дБм/Гц</source>
        <translation>dBm/Hz</translation>
    </message>
    <message>
        <source>дБ</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Биты</source>
        <translation>Bits</translation>
    </message>
    <message>
        <source>бит</source>
        <translation>bits</translation>
    </message>
    <message>
        <source>Шум, дБм/Гц</source>
        <translation>Noise, dBm/Hz</translation>
    </message>
    <message>
        <source>SNR, дБ</source>
        <translation>SNR, dB</translation>
    </message>
    <message>
        <source>Биты на тон</source>
        <translation>Bits per Tone</translation>
    </message>
    <message>
        <source>УП</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Спектр</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>АЧХ</source>
        <translation>Frequency response</translation>
    </message>
    <message>
        <source>АЧХ+</source>
        <translation>Frequency response+</translation>
    </message>
    <message>
        <source>Частота, кГц</source>
        <translation>Frequency, kHz</translation>
    </message>
    <message>
        <source>Уровень, дБ</source>
        <translation>Level, dB</translation>
    </message>
</context>
</TS>
