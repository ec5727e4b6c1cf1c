#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>

#include "survey/IIMensajero.h"

class QLabel;
class QTimer;

// Milliseconds.
inline constexpr int CC_TIEMPO = 3000;         // lifetime of a temporary message
inline constexpr int CC_TIEMPO_LARGO = 1000;   // long pause after MsjTxEspera
inline constexpr int CC_TIEMPO_ESPERA = 400;   // short pause after MsjTxEspera
inline constexpr int CC_TIEMPO_ADVERT = 300;   // one blink step
inline constexpr int CC_TIEMPO_CORTO = 50;     // from CampoObligatorio to the blink

// Writes to the status line and blinks the captions of mandatory fields.
class TMensajero : public QObject, public IMensajero {
  Q_OBJECT

 public:
  explicit TMensajero(QLabel* txLabel);
  ~TMensajero() override;

  void MsjEnTx(const QString& sTexto) override;
  void MsjTxTemp(const QString& sTexto) override;
  void MsjTxEspera(const QString& sTexto, bool bTLargo) override;
  void CampoObligatorio(QLabel* txLabel, QWidget* edEdit) override;
  void SetLabel(QLabel* txLabel) override;

 private:
  void IniLabel();
  void EscribeLabel(const QString& sTexto);
  void EjecCronometro();
  void EjecAdvertencia();

  // Labels belong to the window; QPointer keeps a destroyed one from being touched.
  QPointer<QLabel> F_txLabel;
  QPointer<QLabel> F_txAdv;
  QPointer<QLabel> F_txAdvAnt;
  QColor F_cColorAnt;
  QTimer* F_Cronometro;
  QTimer* F_CronAdvert;
};
