#include "app/VentanaPrueba.h"

#include <QApplication>

namespace {

using VentanaPrincipal = VentanaPrueba;

struct TCasoControl {
  const char* sNombre;
  QRect rPosicion;
  const char* sTexto;
  const char* sAyuda;
};

// The controls that take focus, at their places, with their texts and tooltips.
const TCasoControl CC_CONTROLES[] = {
    {"bnGenReporte", {431, 682, 105, 25}, "Generar reporte", ""},
    {"edCambio", {305, 301, 121, 21}, "13.29", "Tipo de Cambio a utilizar"},
    {"edPassw", {303, 167, 121, 21}, "", "Contraseña del usuario administrador para acceder a Tolvex"},
    {"edUsuario", {303, 140, 121, 21}, "", "Usuario administrador para acceder a Tolvex"},
    {"cbEstado", {200, 441, 180, 21}, "", "Paso1: seleccione un estado de México o un País"},
    {"bnAgregar", {404, 466, 80, 25}, "Agregar", "Agregar localidad a la lista"},
    {"lbLoc", {132, 535, 248, 75}, "", ""},
    {"bnEliminar", {404, 583, 80, 25}, "Eliminar", "Eliminar la localidad seleccionada"},
    {"cbCiudad", {200, 468, 180, 21}, "", "Paso2: seleccione la localidad"},
};

QString TextoDe(const QWidget* Control)
{
  if (auto* Boton = qobject_cast<const QPushButton*>(Control))
    return Boton->text();
  if (auto* Caja = qobject_cast<const QLineEdit*>(Control))
    return Caja->text();
  if (auto* Combo = qobject_cast<const QComboBox*>(Control))
    return Combo->currentText();
  return {};
}

TEST_F(VentanaPrincipal, CaptionTamanoFijoYFondoBlanco)
{
  EXPECT_EQ(Ventana->windowTitle(), QStringLiteral("Encuesta de Evaluación de Riesgo GAFI - 2016 "));
  EXPECT_EQ(Ventana->size(), QSize(621, 730));
  EXPECT_EQ(Ventana->minimumSize(), Ventana->maximumSize());
  EXPECT_EQ(Ventana->palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(Ventana->font().family(), QStringLiteral("Tahoma"));
  EXPECT_EQ(Ventana->font().pixelSize(), 11);
}

TEST_F(VentanaPrincipal, ControlesEnSuLugarConTextoYAyuda)
{
  for (const TCasoControl& Caso : CC_CONTROLES) {
    const QWidget* Encontrado = Control<QWidget>(Caso.sNombre);
    ASSERT_NE(Encontrado, nullptr);
    EXPECT_EQ(Encontrado->geometry(), Caso.rPosicion) << Caso.sNombre;
    EXPECT_EQ(TextoDe(Encontrado), QString::fromUtf8(Caso.sTexto)) << Caso.sNombre;
    EXPECT_EQ(Encontrado->toolTip(), QString::fromUtf8(Caso.sAyuda)) << Caso.sNombre;
  }
}

TEST_F(VentanaPrincipal, EtiquetasConSuTextoColorYLetra)
{
  struct TCasoEtiqueta {
    const char* sNombre;
    const char* sTexto;
    QColor cColor;
    int nPixeles;
  };
  const QColor Teal(0, 128, 128), Marron(128, 0, 0), Gris(72, 72, 72), Negro(0, 0, 0);
  const TCasoEtiqueta Casos[] = {
      {"Label1", "Encuesta de Evaluación de Riesgo de Centros Cambiarios 2016 v1", Teal, 16},
      {"txCambio", "Tipo de Cambio*", Gris, 11},
      {"Label5", "v2.5", Gris, 11},
      {"txPassw", "Password", Gris, 11},
      {"Label2", "*Tipo de cambio sugerido: 13.29", Gris, 9},
      {"txUsuario", "Clave de Entrada Tolvex", Gris, 11},
      {"txPruebas", "Versión BETA", Marron, 12},
      {"Label4", "1.- Indique Clave y Contraseña del Tolvex", Teal, 16},
      {"Label6", "2.- Indique Tipo de Cambio promedio del 2014", Teal, 16},
      {"Label9", "3.- Indique 5 localidades que considere de Riesgo", Teal, 16},
      {"txCiudad", "Localidad", Negro, 11},
      {"txEstado", "País/EstadoMx", Negro, 11},
      {"txLocRiesgo", "Lista de Localidades agregadas", Gris, 11},
      {"Label8", "(Agregue primero el de mayor riesgo)", Gris, 11},
  };
  for (const TCasoEtiqueta& Caso : Casos) {
    const QLabel* txEtiqueta = Etiqueta(Caso.sNombre);
    ASSERT_NE(txEtiqueta, nullptr);
    EXPECT_EQ(txEtiqueta->text(), QString::fromUtf8(Caso.sTexto)) << Caso.sNombre;
    EXPECT_EQ(txEtiqueta->palette().color(QPalette::WindowText), Caso.cColor) << Caso.sNombre;
    EXPECT_EQ(txEtiqueta->font().pixelSize(), Caso.nPixeles) << Caso.sNombre;
    EXPECT_TRUE(txEtiqueta->isVisible()) << Caso.sNombre;
  }
  EXPECT_TRUE(Etiqueta("txPruebas")->font().bold());
  EXPECT_EQ(Etiqueta("txMensajes")->geometry(), QRect(18, 658, 579, 14));
}

TEST_F(VentanaPrincipal, EstadoInicial)
{
  EXPECT_TRUE(Edit("edUsuario")->hasFocus());
  EXPECT_EQ(Edit("edCambio")->text(), QStringLiteral("13.29"));
  EXPECT_EQ(Combo("cbEstado")->count(), 199);
  EXPECT_EQ(Combo("cbEstado")->currentIndex(), -1);
  EXPECT_EQ(Combo("cbEstado")->currentText(), QString());
  EXPECT_EQ(Combo("cbCiudad")->count(), 0);
  EXPECT_EQ(Lista()->count(), 0);
  EXPECT_EQ(Etiqueta("txMensajes")->text(), QString());
  EXPECT_EQ(Etiqueta("txMensajes")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_TRUE(Ventana->ListaLocs().Estado->isEmpty());
}

TEST_F(VentanaPrincipal, EnterRecorreLosCamposYShiftEnterRegresa)
{
  const char* Orden[] = {"edUsuario", "edPassw", "edCambio", "cbEstado", "cbCiudad"};
  for (size_t i = 0; i + 1 < std::size(Orden); ++i) {
    QTest::keyClick(Control<QWidget>(Orden[i]), Qt::Key_Return);
    EXPECT_TRUE(Control<QWidget>(Orden[i + 1])->hasFocus()) << Orden[i];
  }
  Edit("edPassw")->setFocus();
  QTest::keyClick(Edit("edPassw"), Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_TRUE(Edit("edUsuario")->hasFocus());
  // Backwards from the first control wraps around to the last one.
  QTest::keyClick(Edit("edUsuario"), Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_TRUE(Boton("bnGenReporte")->hasFocus());
  EXPECT_EQ(Edit("edUsuario")->text(), QString());
}

TEST_F(VentanaPrincipal, EnterEnLocalidadAgregaYSeQuedaAhi)
{
  Elige(Combo("cbEstado"), QStringLiteral("AGUASCALIENTES"));
  Elige(Combo("cbCiudad"), QStringLiteral("AGUASCALIENTES"));
  Combo("cbCiudad")->setFocus();
  QTest::keyClick(Combo("cbCiudad"), Qt::Key_Return);
  ASSERT_EQ(Lista()->count(), 1);
  EXPECT_EQ(Lista()->item(0)->text(), QStringLiteral("AGUASCALIENTES [Clave:00101003 ]"));
  EXPECT_TRUE(Combo("cbCiudad")->hasFocus());
  EXPECT_EQ(Combo("cbCiudad")->currentIndex(), -1);
}

TEST_F(VentanaPrincipal, ApostrofeRechazadoEnEstadoYAceptadoEnUsuarioYPassword)
{
  QTest::keyClick(Combo("cbEstado"), '\'');
  EXPECT_EQ(Combo("cbEstado")->currentText(), QString());
  QTest::keyClicks(Edit("edUsuario"), QStringLiteral("o'b"));
  EXPECT_EQ(Edit("edUsuario")->text(), QStringLiteral("O'B"));
  QTest::keyClicks(Edit("edPassw"), QStringLiteral("a'b"));
  EXPECT_EQ(Edit("edPassw")->text(), QStringLiteral("A'B"));
}

TEST_F(VentanaPrincipal, MayusculasYPasswordConAsteriscos)
{
  Teclea(Edit("edUsuario"), QStringLiteral("admiñ"));
  EXPECT_EQ(Edit("edUsuario")->text(), QStringLiteral("ADMIÑ"));
  QTest::keyClicks(Edit("edPassw"), QStringLiteral("secreto"));
  EXPECT_EQ(Edit("edPassw")->text(), QStringLiteral("SECRETO"));
  EXPECT_EQ(Edit("edPassw")->displayText(), QStringLiteral("*******"));
}

TEST_F(VentanaPrincipal, TecleoEnTipoDeCambio)
{
  struct TCaso {
    const char* sTecleo;
    const char* sResultado;
  };
  const TCaso Casos[] = {{"13.", "13."},   {"13..", "13."}, {"13,5", "135"},
                         {"1a3", "13"},    {".5", "5"},     {"0.", "0"},
                         {"13.29", "13.29"}};
  for (const TCaso& Caso : Casos) {
    QLineEdit* edCambio = Edit("edCambio");
    edCambio->clear();
    QTest::keyClicks(edCambio, QString::fromLatin1(Caso.sTecleo));
    EXPECT_EQ(edCambio->text(), QString::fromLatin1(Caso.sResultado)) << Caso.sTecleo;
  }
  QTest::keyClick(Edit("edCambio"), Qt::Key_Backspace);
  EXPECT_EQ(Edit("edCambio")->text(), QStringLiteral("13.2"));
}

TEST_F(VentanaPrincipal, TecleoSeleccionaElPrimerEstadoQueEmpiezaAsi)
{
  QComboBox* cbEstado = Combo("cbEstado");
  cbEstado->setFocus();
  QTest::keyClicks(cbEstado, QStringLiteral("ag"));
  EXPECT_EQ(cbEstado->currentIndex(), 1);
  EXPECT_EQ(cbEstado->currentText(), QStringLiteral("AGUASCALIENTES"));
  EXPECT_EQ(cbEstado->lineEdit()->selectedText(), QStringLiteral("UASCALIENTES"));
  // Choosing by typing refills the localities, none selected.
  EXPECT_EQ(Combo("cbCiudad")->count(), 13);
  EXPECT_EQ(Combo("cbCiudad")->currentIndex(), -1);
  QTest::keyClicks(cbEstado, QStringLiteral("uascalientes"));
  EXPECT_EQ(cbEstado->currentIndex(), 1);
  EXPECT_EQ(cbEstado->count(), 199);
}

TEST_F(VentanaPrincipal, TecleoSinCoincidenciaQuitaLaSeleccion)
{
  QComboBox* cbEstado = Combo("cbEstado");
  cbEstado->setFocus();
  QTest::keyClicks(cbEstado, QStringLiteral("chi"));
  EXPECT_EQ(cbEstado->currentText(), QStringLiteral("CHIAPAS"));
  QTest::keyClick(cbEstado, Qt::Key_End);
  QTest::keyClick(cbEstado, 'x');
  EXPECT_EQ(cbEstado->currentIndex(), -1);
  EXPECT_EQ(cbEstado->currentText(), QStringLiteral("CHIAPASx"));
  Boton("bnAgregar")->click();
  EXPECT_EQ(Lista()->count(), 0);
}

TEST_F(VentanaPrincipal, TecleoEnLocalidadLaSelecciona)
{
  Elige(Combo("cbEstado"), QStringLiteral("AGUASCALIENTES"));
  QComboBox* cbCiudad = Combo("cbCiudad");
  cbCiudad->setFocus();
  QTest::keyClicks(cbCiudad, QStringLiteral("cal"));
  EXPECT_EQ(cbCiudad->currentText(), QStringLiteral("CALVILLO"));
  QTest::keyClick(cbCiudad, Qt::Key_Return);
  ASSERT_EQ(Lista()->count(), 1);
  EXPECT_TRUE(Lista()->item(0)->text().startsWith(QStringLiteral("CALVILLO [Clave:")));
}

}  // namespace
