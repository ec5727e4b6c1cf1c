#include "app/MensajeroConsola.h"

#include "app/Plataforma.h"

TMensajeroConsola::TMensajeroConsola(bool bTerminal) : F_bTerminal(bTerminal) {}

TMensajeroConsola::~TMensajeroConsola() { LimpiaLinea(); }

void TMensajeroConsola::MsjEnTx(const QString& sTexto)
{
  F_sUltimo = sTexto;
  if (!F_bTerminal)
    return;
  // Carriage return and "erase line": the next text replaces this one.
  EscribeTexto(stderr, QStringLiteral("\r\033[K") + sTexto);
  F_bLineaAbierta = true;
}

void TMensajeroConsola::MsjTxTemp(const QString& sTexto) { MsjEnTx(sTexto); }

void TMensajeroConsola::MsjTxEspera(const QString& sTexto, bool) { MsjEnTx(sTexto); }

void TMensajeroConsola::CampoObligatorio(QLabel*, QWidget*) {}

void TMensajeroConsola::SetLabel(QLabel*) {}

void TMensajeroConsola::LimpiaLinea()
{
  if (!F_bLineaAbierta)
    return;
  EscribeTexto(stderr, QStringLiteral("\r\033[K"));
  F_bLineaAbierta = false;
}
