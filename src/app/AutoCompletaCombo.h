#pragma once

#include <QChar>
#include <QString>

class QComboBox;

// Type-ahead of an editable combo box, done here because Qt's completer neither
// selects the entry nor tells that it did.

// An edit that leaves the selected entry's text drops the selection, keeping the text.
void PreparaAutoCompletar(QComboBox* cbCombo);

struct TAutoCompletado {
  bool bConsumida = false;  // an entry matched: the key is done
  bool bCambio = false;     // the selected entry changed: the selection handler must run
};

// First entry that begins with sTecleado, letter case ignored: one spelt with the
// typed accents first, then one that differs only in accents ("yucatan" finds
// "YUCATÁN"); -1 for none. *pLargo: how many of the entry's characters were typed.
int BuscaPrefijo(const QComboBox* cbCombo, const QString& sTecleado, qsizetype* pLargo = nullptr);

// Adds Key to the text typed so far (the text before the marked part); when an
// entry begins with the result (BuscaPrefijo), it is selected, its full name
// fills the box and the completed part is marked.
TAutoCompletado AutoCompleta(QComboBox* cbCombo, QChar Key);
