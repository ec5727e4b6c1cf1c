#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

#include <functional>

class QAbstractButton;
class QLineEdit;

// Waits nSegs milliseconds while the window keeps handling its messages.
// Messages are processed at least once; the wait sleeps in the event loop.
void TiempoEspera(int nSegs);

// The exchange rate as typed: the locale's decimal separator or "." as decimal
// point, no grouping separators; 0 when the text does not convert.
double ConvierteTipoCambio(const QString& sTexto, const QLocale& Regional = QLocale::system());

// Key filter of the exchange-rate box: sets Key to the null character to discard it.
void ValidaMoneda(const QLineEdit* Sender, QChar& Key, const QLocale& Regional = QLocale::system());

// Runs Proc with the wait cursor and bnBoton disabled; both are restored
// whether Proc returns or throws (the error goes on to the caller).
void ProcesayEspera(const std::function<void()>& Proc, QAbstractButton* bnBoton);
