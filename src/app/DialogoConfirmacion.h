#pragma once

#include <QDialog>
#include <QString>

class QScrollArea;

// The Yes/No warning of a report run. Its instructions and findings scroll inside
// an area of bounded height, so that the dialog, its title bar and its buttons fit
// every screen from 1024 x 768 up; Sí is the default button.
class TDialogoConfirmacion : public QDialog {
  Q_OBJECT
 public:
  // sTexto: lines separated by CR CR LF, as the dialog interface receives them.
  TDialogoConfirmacion(const QString& sTexto, QWidget* pPadre = nullptr);

  // Height of the text's area on a screen whose available height is nAltoDisponible.
  static int AltoMaximoTexto(int nAltoDisponible);

 private:
  QScrollArea* F_Area = nullptr;
};
