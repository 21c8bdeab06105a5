#pragma once

#include <QWidget>

// The About window: the program's title, a credit line, the date of the last update and a
// contact address, as labels on a light-yellow window. It has no handling of its own.
class FormAbout : public QWidget {
    Q_OBJECT

public:
    explicit FormAbout(QWidget* parent = nullptr);
};
