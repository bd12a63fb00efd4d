#pragma once

class QObject;
class QWidget;

// Labels one Qt object in the current language (TranslateControl) by its object
// name (none when empty). A caption goes to a button's, label's or action's
// text, a menu's title (and its menu action), or a top-level widget's window
// title. Objects without a row are left as they are.
void TranslateObject(QObject *o);

// Labels a window: the window itself first, then every child object (widgets,
// actions, menus) in creation order.
void TranslateWindow(QWidget *window);
