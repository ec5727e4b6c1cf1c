#pragma once

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// The controls of the main window that its code uses.
struct TControlesPrincipal {
  QLabel* txCambio = nullptr;
  QLabel* txMensajes = nullptr;
  QLabel* txPassw = nullptr;
  QLabel* txUsuario = nullptr;
  QLabel* txPruebas = nullptr;
  QLabel* txLocRiesgo = nullptr;
  QPushButton* bnGenReporte = nullptr;
  QLineEdit* edCambio = nullptr;
  QLineEdit* edPassw = nullptr;
  QLineEdit* edUsuario = nullptr;
  QComboBox* cbEstado = nullptr;
  QPushButton* bnAgregar = nullptr;
  QListWidget* lbLoc = nullptr;
  QPushButton* bnEliminar = nullptr;
  QComboBox* cbCiudad = nullptr;
};

// Creates every control of the window at its place, with its texts, fonts,
// colours, tooltips and tab order. Each control's object name is its own name.
TControlesPrincipal CreaControles(QWidget* Forma);
