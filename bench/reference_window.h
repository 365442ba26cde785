#pragma once

class QWidget;

// A bare Qt Widgets window with the main window's 21 controls, their texts and geometry, and no
// logic: what any Qt program of this size costs, to hold the program's figures against.
QWidget* buildReferenceWindow();
