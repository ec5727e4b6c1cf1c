#pragma once

#include <QString>

class QLabel;
class QWidget;

// Status-line messenger: the window implements it, the survey reports its progress through it.
class IMensajero {
 public:
  virtual ~IMensajero() = default;
  virtual void MsjEnTx(const QString& sTexto) = 0;
  virtual void MsjTxTemp(const QString& sTexto) = 0;
  virtual void MsjTxEspera(const QString& sTexto, bool bTLargo) = 0;
  virtual void CampoObligatorio(QLabel* txLabel, QWidget* edEdit) = 0;
  virtual void SetLabel(QLabel* txLabel) = 0;
};
