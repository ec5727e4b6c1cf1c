#include "app/DialogosVentana.h"

#include "app/DialogoConfirmacion.h"

#include <QMessageBox>
#include <QWidget>

TDialogosVentana::TDialogosVentana(QWidget* Ventana) : F_Ventana(Ventana) {}

void TDialogosVentana::Mensaje(const QString& sTexto)
{
  const QString sTitulo = F_Ventana ? F_Ventana->windowTitle().trimmed() : QString();
  QMessageBox Caja(QMessageBox::NoIcon, sTitulo, sTexto, QMessageBox::Ok, F_Ventana);
  Caja.exec();
}

bool TDialogosVentana::Advertencia(const QString& sTexto)
{
  TDialogoConfirmacion Dialogo(sTexto, F_Ventana);
  return Dialogo.exec() == QDialog::Accepted;
}

bool TDialogosVentana::Pregunta(const QString& sTexto)
{
  QMessageBox Caja(QMessageBox::Question, QStringLiteral("Advertencia"), sTexto,
                   QMessageBox::Yes | QMessageBox::No, F_Ventana);
  Caja.setDefaultButton(QMessageBox::No);
  return Caja.exec() == QMessageBox::Yes;
}
