#pragma once

class QObject;
class QWidget;

// Labels one Qt object in the current language (TranslateControl). Its Name is
// the object name (none when empty); its Key is the dynamic property "zkKey"
// when set. A caption goes to a button's, label's or action's text, a menu's
// title (and its menu action), or a top-level widget's window title; a keyed
// object gets its text through the property "text". Objects without a row are
// left as they are.
void TranslateObject(QObject *o);

// Labels a window: the window itself first, then every child object (widgets,
// actions, menus) in creation order.
void TranslateWindow(QWidget *window);
