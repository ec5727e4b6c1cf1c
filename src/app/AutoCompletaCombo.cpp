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

// The letter without its accents, in lower case ("Á" and "a" give "a"; "ñ" gives "n").
QString Pliega(QChar Caracter)
{
  QString sBase;
  for (const QChar c : QString(Caracter).normalized(QString::NormalizationForm_D))
    if (c.category() != QChar::Mark_NonSpacing)
      sBase += c;
  return sBase.toCaseFolded();
}

// How many characters of sEntrada the typed text covers when sEntrada begins with it,
// accents and case ignored; -1 when it does not begin so.
qsizetype PrefijoPlegado(const QString& sEntrada, const QString& sTecleado)
{
  QString sBuscado;
  for (const QChar c : sTecleado)
    sBuscado += Pliega(c);
  QString sLeido;
  qsizetype n = 0;
  while (sLeido.size() < sBuscado.size() && n < sEntrada.size())
    sLeido += Pliega(sEntrada[n++]);
  return sLeido == sBuscado ? n : -1;
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

int BuscaPrefijo(const QComboBox* cbCombo, const QString& sTecleado, qsizetype* pLargo)
{
  // An entry spelt as typed (letter case aside) before one that only differs in accents.
  for (int i = 0; i < cbCombo->count(); ++i)
    if (cbCombo->itemText(i).startsWith(sTecleado, Qt::CaseInsensitive)) {
      if (pLargo)
        *pLargo = sTecleado.size();
      return i;
    }
  for (int i = 0; i < cbCombo->count(); ++i) {
    const qsizetype nLargo = PrefijoPlegado(cbCombo->itemText(i), sTecleado);
    if (nLargo >= 0) {
      if (pLargo)
        *pLargo = nLargo;
      return i;
    }
  }
  return -1;
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
  qsizetype nCubierto = 0;
  const int i = BuscaPrefijo(cbCombo, sTecleado, &nCubierto);
  if (i < 0)
    return {};
  const QString sEntrada = cbCombo->itemText(i);
  const bool bCambio = i != cbCombo->currentIndex();
  cbCombo->setCurrentIndex(i);
  edTexto->setText(sEntrada);
  edTexto->setSelection(int(nCubierto), int(sEntrada.size() - nCubierto));
  return {true, bCambio};
}
