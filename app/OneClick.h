#pragma once

class QWidget;

// Makes a double click on the widget a single click: the second press and
// its release are dropped, so a print button or a link acts once. Install it
// after the widget's other event filters, so that it sees the events first.
void OneActionPerClick(QWidget* widget);
