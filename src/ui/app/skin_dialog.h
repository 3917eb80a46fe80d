#pragma once

#include <QDialog>
#include <QLabel>

namespace orvane::ui {

// The small dialogs' skin: the size and shape of the picture `picture`
// (its maroon see-through, as on the main window), that picture under
// everything as `background_name`. Returns the background.
QLabel* SkinDialog(QDialog* dialog, const char* picture, const QString& background_name);
// Centred on the window that opened it.
void CentreOnParent(QDialog* dialog);

}  // namespace orvane::ui
