#include "app/AutoCompletaCombo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

void QuitaSeleccion(QComboBox* cbCombo)
{
  QLineEdit* edTexto = cbCombo->lineEdit();
  const QString sTexto = edTexto->text();
  const int nPos = edTexto->cursorPosition();
  const QSignalBlocker bloqueo(cbCombo);
  cbCombo->setCurrentIndex(-1);
  edTexto->setText(sTexto);
  edTexto->setCursorPosition(nPos);
}

}  // namespace

void PreparaAutoCompletar(QComboBox* cbCombo)
{
  QObject::connect(cbCombo->lineEdit(), &QLineEdit::textEdited, cbCombo,
                   [cbCombo](const QString& sTexto) {
                     const int nActual = cbCombo->currentIndex();
                     if (nActual >= 0 && sTexto != cbCombo->itemText(nActual))
                       QuitaSeleccion(cbCombo);
                   });
}

TAutoCompletado AutoCompleta(QComboBox* cbCombo, QChar Key)
{
  QLineEdit* edTexto = cbCombo->lineEdit();
  if (!Key.isPrint() || !edTexto)
    return {};
  QString sTecleado;
  if (edTexto->hasSelectedText())
    sTecleado = edTexto->text().left(edTexto->selectionStart()) + Key;
  else if (edTexto->cursorPosition() == edTexto->text().size())
    sTecleado = edTexto->text() + Key;
  else
    return {};
  for (int i = 0; i < cbCombo->count(); ++i) {
    const QString sEntrada = cbCombo->itemText(i);
    if (!sEntrada.startsWith(sTecleado, Qt::CaseInsensitive))
      continue;
    const bool bCambio = i != cbCombo->currentIndex();
    cbCombo->setCurrentIndex(i);
    edTexto->setText(sEntrada);
    edTexto->setSelection(sTecleado.size(), sEntrada.size() - sTecleado.size());
    return {true, bCambio};
  }
  return {};
}
