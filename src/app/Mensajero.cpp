#include "app/Mensajero.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

#include "app/Utilerias.h"
#include "db/ParamsGenProy.h"

namespace {

const QColor CC_COLOR_ADVERT = QColor::fromRgb(CC_COLORROJO);

QColor ColorDe(const QLabel* txLabel)
{
  return txLabel->palette().color(QPalette::WindowText);
}

void PonColor(QLabel* txLabel, const QColor& cColor)
{
  QPalette paleta = txLabel->palette();
  paleta.setColor(QPalette::WindowText, cColor);
  txLabel->setPalette(paleta);
}

QTimer* CreaCronometro(QObject* Dueno, int nIntervalo)
{
  auto* Cronometro = new QTimer(Dueno);
  Cronometro->setSingleShot(true);
  // A coarse timer may fire up to 5 % early; the times here are promised to the user.
  Cronometro->setTimerType(Qt::PreciseTimer);
  Cronometro->setInterval(nIntervalo);
  return Cronometro;
}

}  // namespace

TMensajero::TMensajero(QLabel* txLabel)
    : F_Cronometro(nullptr), F_CronAdvert(nullptr)
{
  F_CronAdvert = CreaCronometro(this, CC_TIEMPO_CORTO);
  connect(F_CronAdvert, &QTimer::timeout, this, &TMensajero::EjecAdvertencia);
  F_Cronometro = CreaCronometro(this, CC_TIEMPO);
  connect(F_Cronometro, &QTimer::timeout, this, &TMensajero::EjecCronometro);
  F_txLabel = txLabel;
  IniLabel();
}

TMensajero::~TMensajero()
{
  F_Cronometro->stop();
  F_CronAdvert->stop();
}

void TMensajero::IniLabel()
{
  if (!F_txLabel)
    return;
  F_txLabel->setText(QString());
  PonColor(F_txLabel, CC_COLOR_ADVERT);
  F_txLabel->setVisible(true);
}

void TMensajero::SetLabel(QLabel* txLabel)
{
  F_txLabel = txLabel;
  IniLabel();
}

void TMensajero::EscribeLabel(const QString& sTexto)
{
  if (F_txLabel)
    F_txLabel->setText(sTexto);
  QCoreApplication::processEvents();
}

void TMensajero::MsjEnTx(const QString& sTexto)
{
  EscribeLabel(sTexto);
}

void TMensajero::MsjTxTemp(const QString& sTexto)
{
  EscribeLabel(sTexto);
  // A running count is not restarted: the first temporary text sets the clearing time.
  if (!F_Cronometro->isActive())
    F_Cronometro->start();
}

void TMensajero::MsjTxEspera(const QString& sTexto, bool bTLargo)
{
  EscribeLabel(sTexto);
  TiempoEspera(bTLargo ? CC_TIEMPO_LARGO : CC_TIEMPO_ESPERA);
}

void TMensajero::EjecCronometro()
{
  F_Cronometro->stop();
  if (F_txLabel)
    F_txLabel->setText(QString());
}

void TMensajero::CampoObligatorio(QLabel* txLabel, QWidget* edEdit)
{
  F_txAdv = txLabel;
  if (edEdit && edEdit->isEnabled())
    edEdit->setFocus();
  if (!F_CronAdvert->isActive())
    F_CronAdvert->start();
}

void TMensajero::EjecAdvertencia()
{
  F_CronAdvert->stop();
  if (F_txAdvAnt)
    PonColor(F_txAdvAnt, F_cColorAnt);
  F_txAdvAnt = F_txAdv;
  if (!F_txAdv)
    return;
  F_cColorAnt = ColorDe(F_txAdv);
  // A warning raised during the pauses restarts here nested; each step reads the fields afresh.
  for (int nVeces = 1; nVeces <= 9; ++nVeces) {
    if (F_txAdv)
      PonColor(F_txAdv, nVeces % 2 == 1 ? F_cColorAnt : CC_COLOR_ADVERT);
    TiempoEspera(CC_TIEMPO_ADVERT);
  }
}
