// Marks a user-visible resource text (tab title, label, menu item, button) for
// translation without tying the core to Qt: the text stays the Russian source,
// lupdate finds it by this macro's name, and the Qt views translate it with
// QCoreApplication::translate(context, text) when they show it.
#ifndef TELVANE_BASE_TRANSLATABLE_H_
#define TELVANE_BASE_TRANSLATABLE_H_

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

#endif  // TELVANE_BASE_TRANSLATABLE_H_
