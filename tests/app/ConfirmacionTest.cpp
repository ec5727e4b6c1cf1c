// The confirmation of a run fits the screen with its buttons, whatever its findings.
#include "app/DialogoConfirmacion.h"
#include "app/DialogosVentana.h"
#include "app/RutaReporte.h"
#include "app/VentanaPrueba.h"

#include <QScreen>
#include <QScrollArea>
#include <QTimer>

namespace {

// The tallest a run gives: four of the five localities, with the catalogue's longest
// names, without a city in the back office, and the other two checks with findings.
QString TextoMasAlto()
{
  const QList<THallazgo> Hallazgos = {
      {QStringLiteral("Localidades elegidas sin ninguna ciudad del Tolvex con su clave"),
       {QStringLiteral("00202005 CIUDAD COAHUILA (KILOMETRO CINCUENTA Y SIETE)"),
        QStringLiteral("01461003 FRAY BERNARDINO DE SAHAGUN (CIUDAD SAHAGUN)"),
        QStringLiteral("00708002 JALTENANGO DE LA PAZ (ANGEL ALBINO CORZO)"),
        QStringLiteral("03618003 LICENCIADO BENITO JUAREZ (CAMPO GOBIERNO)")}},
      {QStringLiteral("Divisas sin Símbolo usadas desde el 1 de noviembre de 2011 (NumeroDivisa)"),
       {QStringLiteral("4"), QStringLiteral("17"), QStringLiteral("23"), QStringLiteral("31")}},
      {QStringLiteral("Sectores de clientes sin Clave de la Actividad"),
       {QStringLiteral("OCUPACIONES, PROFESIONES, ACTIVIDADES O GIROS DEL NEGOCIO"),
        QStringLiteral("PARTICULAR"), QStringLiteral("COMERCIO AL POR MAYOR")}},
  };
  return TextoConfirmacion(Hallazgos, QStringLiteral("/srv/tolvex"), {});
}

using Confirmacion = VentanaPrueba;

TEST_F(Confirmacion, LaMasAltaCabeConSusBotonesYSiPorOmision)
{
  const QRect rDisponible = Ventana->screen()->availableGeometry();
  TDialogoConfirmacion Dialogo(TextoMasAlto(), Ventana.get());
  Dialogo.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Dialogo));
  EXPECT_TRUE(rDisponible.contains(Dialogo.frameGeometry())) << Dialogo.frameGeometry().height();
  auto* Area = Dialogo.findChild<QScrollArea*>(QStringLiteral("areaConfirmacion"));
  ASSERT_NE(Area, nullptr);
  EXPECT_LE(Area->height(), TDialogoConfirmacion::AltoMaximoTexto(rDisponible.height()));
  auto* bnSi = Dialogo.findChild<QPushButton*>(QStringLiteral("bnSi"));
  auto* bnNo = Dialogo.findChild<QPushButton*>(QStringLiteral("bnNo"));
  ASSERT_NE(bnSi, nullptr);
  ASSERT_NE(bnNo, nullptr);
  EXPECT_EQ(bnSi->text(), QStringLiteral("&Sí"));
  EXPECT_EQ(bnNo->text(), QStringLiteral("&No"));
  EXPECT_TRUE(bnSi->isDefault());
  for (const QPushButton* Boton : {bnSi, bnNo})
    EXPECT_TRUE(rDisponible.contains(QRect(Boton->mapToGlobal(QPoint()), Boton->size())));
}

// A text taller than its area, whatever the fonts' heights: it scrolls, the dialog and its
// buttons stay on the screen.
TEST_F(Confirmacion, TextoMasLargoQueSuAreaSeDesplaza)
{
  const QRect rDisponible = Ventana->screen()->availableGeometry();
  const QString sAlto = TextoMasAlto();
  TDialogoConfirmacion Dialogo(sAlto + "\r\r\n" + sAlto + "\r\r\n" + sAlto, Ventana.get());
  Dialogo.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Dialogo));
  EXPECT_TRUE(rDisponible.contains(Dialogo.frameGeometry())) << Dialogo.frameGeometry().height();
  auto* Area = Dialogo.findChild<QScrollArea*>(QStringLiteral("areaConfirmacion"));
  ASSERT_NE(Area, nullptr);
  EXPECT_EQ(Area->height(), TDialogoConfirmacion::AltoMaximoTexto(rDisponible.height()));
  EXPECT_GT(Area->widget()->height(), Area->height());
  auto* bnSi = Dialogo.findChild<QPushButton*>(QStringLiteral("bnSi"));
  ASSERT_NE(bnSi, nullptr);
  EXPECT_TRUE(rDisponible.contains(QRect(bnSi->mapToGlobal(QPoint()), bnSi->size())));
}

// Every line reaches the user, each its own paragraph.
TEST_F(Confirmacion, MuestraCadaLinea)
{
  const QString sTexto = TextoMasAlto();
  TDialogoConfirmacion Dialogo(sTexto, Ventana.get());
  const QString sMostrado = Dialogo.findChild<QLabel*>(QStringLiteral("txConfirmacion"))->text();
  for (const QString& sLinea : sTexto.split(QStringLiteral("\r\r\n")))
    EXPECT_TRUE(sMostrado.contains(sLinea.toHtmlEscaped())) << sLinea.toStdString();
}

struct TCasoRespuesta {
  const char* sBoton;  // nullptr: Enter
  bool bSi;
};

TEST_F(Confirmacion, SiNoYEnterResponden)
{
  const TCasoRespuesta Casos[] = {{"bnSi", true}, {"bnNo", false}, {nullptr, true}};
  TDialogosVentana Dialogos(Ventana.get());
  for (const TCasoRespuesta& Caso : Casos) {
    QTimer::singleShot(0, [&Caso] {
      auto* Dialogo = qobject_cast<TDialogoConfirmacion*>(QApplication::activeModalWidget());
      ASSERT_NE(Dialogo, nullptr);
      if (Caso.sBoton)
        Dialogo->findChild<QPushButton*>(QString::fromLatin1(Caso.sBoton))->click();
      else
        QTest::keyClick(Dialogo, Qt::Key_Return);
    });
    EXPECT_EQ(Dialogos.Advertencia(TextoMasAlto()), Caso.bSi) << (Caso.sBoton ? Caso.sBoton : "Enter");
  }
}

// The main window opens centred on the free area, its frame inside it when it fits.
TEST_F(Confirmacion, VentanaPrincipalCentradaEnElAreaDisponible)
{
  const QRect rDisponible = Ventana->screen()->availableGeometry();
  const QRect rMarco = Ventana->frameGeometry();
  EXPECT_GE(rMarco.top(), rDisponible.top());
  EXPECT_GE(rMarco.left(), rDisponible.left());
  if (rMarco.height() <= rDisponible.height())
    EXPECT_LE(std::abs(rMarco.center().y() - rDisponible.center().y()), 1);
  EXPECT_LE(std::abs(rMarco.center().x() - rDisponible.center().x()), 1);
}

}  // namespace
