#pragma once

#include "survey/IIMensajero.h"

#include <QString>

// The status line of the command line: progress is one refreshed line on a
// terminal and nothing otherwise; no pauses, no blinking. The last text is
// kept so the caller can print the outcome.
class TMensajeroConsola : public IMensajero {
 public:
  explicit TMensajeroConsola(bool bTerminal);
  ~TMensajeroConsola() override;

  void MsjEnTx(const QString& sTexto) override;
  void MsjTxTemp(const QString& sTexto) override;
  void MsjTxEspera(const QString& sTexto, bool bTLargo) override;
  void CampoObligatorio(QLabel* txLabel, QWidget* edEdit) override;
  void SetLabel(QLabel* txLabel) override;

  const QString& UltimoTexto() const { return F_sUltimo; }
  void LimpiaLinea();  // leaves the terminal at the start of an empty line

 private:
  bool F_bTerminal;
  bool F_bLineaAbierta = false;
  QString F_sUltimo;
};
