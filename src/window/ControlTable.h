#pragma once

#include "layout/ControlRows.h"

#include <span>

class QWidget;

// Creates the table's controls inside `client`, each in its container, with its caption, place,
// font, colour and accessible texts, and chains those that take focus in TabIndex order.
// Returns the first of them.
QWidget* BuildControls(std::span<const ControlRow> table, QWidget* client);
