#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

#include "app/Mensajero.h"

namespace {

const QColor CC_ROJO(255, 0, 0);
const QColor CC_GRIS(72, 72, 72);

QColor ColorDe(const QLabel& txEtiqueta)
{
  return txEtiqueta.palette().color(QPalette::WindowText);
}

void PonColor(QLabel& txEtiqueta, const QColor& cColor)
{
  QPalette paleta = txEtiqueta.palette();
  paleta.setColor(QPalette::WindowText, cColor);
  txEtiqueta.setPalette(paleta);
}

// A small window: the status label, a caption with its edit box, and another box.
class Mensajero : public testing::Test {
 protected:
  void SetUp() override
  {
    auto* Diseno = new QVBoxLayout(&Forma);
    for (QWidget* Control : std::initializer_list<QWidget*>{txMensajes, txCampo, edCampo, edOtro})
      Diseno->addWidget(Control);
    PonColor(*txCampo, CC_GRIS);
    Forma.show();
    Forma.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Forma));
    edOtro->setFocus();
    Msj = std::make_shared<TMensajero>(txMensajes);
  }

  QWidget Forma;
  QLabel* txMensajes = new QLabel(QStringLiteral("Mensajes"));
  QLabel* txCampo = new QLabel(QStringLiteral("Campo"));
  QLineEdit* edCampo = new QLineEdit;
  QLineEdit* edOtro = new QLineEdit;
  std::shared_ptr<IMensajero> Msj;
};

TEST_F(Mensajero, AlCrearseLaEtiquetaQuedaVaciaRojaYVisible)
{
  txMensajes->hide();
  TMensajero Otro(txMensajes);
  EXPECT_EQ(txMensajes->text(), QString());
  EXPECT_EQ(ColorDe(*txMensajes), CC_ROJO);
  EXPECT_TRUE(txMensajes->isVisible());
}

TEST_F(Mensajero, MsjEnTxPermanece)
{
  Msj->MsjEnTx(QStringLiteral("Fijo"));
  QTest::qWait(3300);
  EXPECT_EQ(txMensajes->text(), QStringLiteral("Fijo"));
}

TEST_F(Mensajero, TextoTemporalSeBorraTresSegundosDespuesDeLaPrimeraLlamada)
{
  QElapsedTimer Reloj;
  Reloj.start();
  Msj->MsjTxTemp(QStringLiteral("Primero"));
  QTest::qWait(1000);
  Msj->MsjTxTemp(QStringLiteral("Segundo"));
  const qint64 nSegundo = Reloj.elapsed();
  EXPECT_EQ(txMensajes->text(), QStringLiteral("Segundo"));
  QTRY_COMPARE_WITH_TIMEOUT(txMensajes->text(), QString(), 5000);
  const qint64 nBorrado = Reloj.elapsed();
  EXPECT_GE(nBorrado, CC_TIEMPO);
  // Had the second call restarted the count, the text would last 3000 ms after it.
  EXPECT_LT(nBorrado - nSegundo, CC_TIEMPO);
}

TEST_F(Mensajero, ElTemporizadorBorraTambienUnTextoPosterior)
{
  Msj->MsjTxTemp(QStringLiteral("Temporal"));
  Msj->MsjEnTx(QStringLiteral("Otro"));
  QTRY_COMPARE_WITH_TIMEOUT(txMensajes->text(), QString(), 5000);
}

TEST_F(Mensajero, MsjTxEsperaPausaYDejaElTexto)
{
  for (const bool bTLargo : {false, true}) {
    QElapsedTimer Reloj;
    Reloj.start();
    Msj->MsjTxEspera(QStringLiteral("Esperando"), bTLargo);
    EXPECT_GE(Reloj.elapsed(), bTLargo ? CC_TIEMPO_LARGO : CC_TIEMPO_ESPERA);
    EXPECT_EQ(txMensajes->text(), QStringLiteral("Esperando"));
  }
}

TEST_F(Mensajero, CampoObligatorioEnfocaYParpadeaHastaSuColor)
{
  Msj->CampoObligatorio(txCampo, edCampo);
  EXPECT_TRUE(edCampo->hasFocus());
  QTRY_COMPARE_WITH_TIMEOUT(ColorDe(*txCampo), CC_ROJO, 1000);
  QTest::qWait(3000);
  EXPECT_EQ(ColorDe(*txCampo), CC_GRIS);
}

TEST_F(Mensajero, SinCajaOCajaDeshabilitadaElFocoNoSeMueve)
{
  Msj->CampoObligatorio(txCampo, nullptr);
  EXPECT_TRUE(edOtro->hasFocus());
  edCampo->setEnabled(false);
  Msj->CampoObligatorio(txCampo, edCampo);
  EXPECT_TRUE(edOtro->hasFocus());
  QTRY_COMPARE_WITH_TIMEOUT(ColorDe(*txCampo), CC_ROJO, 1000);
  QTest::qWait(3000);
  EXPECT_EQ(ColorDe(*txCampo), CC_GRIS);
}

TEST_F(Mensajero, SegundaAdvertenciaDuranteElParpadeoTerminaEnElColorGuardado)
{
  Msj->CampoObligatorio(txCampo, edCampo);
  QTRY_COMPARE_WITH_TIMEOUT(ColorDe(*txCampo), CC_ROJO, 1000);
  Msj->CampoObligatorio(txCampo, edCampo);
  QTest::qWait(6000);
  EXPECT_EQ(ColorDe(*txCampo), CC_GRIS);
}

TEST_F(Mensajero, AdvertenciaSobreOtraEtiquetaDevuelveSuColorALaPrimera)
{
  auto* txOtro = new QLabel(QStringLiteral("Otro"), &Forma);
  PonColor(*txOtro, Qt::blue);
  Msj->CampoObligatorio(txCampo, nullptr);
  QTRY_COMPARE_WITH_TIMEOUT(ColorDe(*txCampo), CC_ROJO, 1000);
  Msj->CampoObligatorio(txOtro, nullptr);
  QTest::qWait(6000);
  EXPECT_EQ(ColorDe(*txCampo), CC_GRIS);
  EXPECT_EQ(ColorDe(*txOtro), QColor(Qt::blue));
}

}  // namespace
