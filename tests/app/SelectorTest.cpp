#include "app/VentanaPrueba.h"

#include "app/SelectorLocalidades.h"

namespace {

using Selector = VentanaPrueba;

const char* const CC_CIUDADES_AGS[] = {"AGUASCALIENTES", "CALVILLO", "JESUS MARIA", "ASIENTOS",
                                       "RINCON DE ROMOS"};

QStringList Renglones(const QListWidget* lbLoc)
{
  QStringList Lineas;
  for (int i = 0; i < lbLoc->count(); ++i)
    Lineas << lbLoc->item(i)->text();
  return Lineas;
}

TEST(LineaLocalidad, NombreClaveYBlancoAntesDelCorchete)
{
  EXPECT_EQ(LineaLocalidad(QStringLiteral("AGUASCALIENTES"), QStringLiteral("00101003")),
            QStringLiteral("AGUASCALIENTES [Clave:00101003 ]"));
}

TEST(DameCiudadesDisp, LocalidadesDelEstadoEnOrdenDeCatalogo)
{
  TdmMain dmMain;
  TRCR_Ciudades Ciudades;
  EXPECT_TRUE(DameCiudadesDisp(dmMain.vLocalidades, Ciudades, 2));
  EXPECT_EQ(Ciudades.TotalCiudades, 12);
  EXPECT_EQ(Ciudades.Ciudad.first(), QStringLiteral("AGUASCALIENTES"));
  EXPECT_EQ(Ciudades.Clave.first(), QStringLiteral("00101003"));
  EXPECT_EQ(Ciudades.IdCiudad.first(), 1);
  // SAHARA ESPAÑOL has no localities.
  TRCR_Estados Estados;
  ASSERT_TRUE(DameEstadosDisp(dmMain.vtEstados, Estados));
  EXPECT_EQ(Estados.TotalEstados, 198);
  const int nSahara = Estados.IdEstado[Estados.Estado.indexOf(QStringLiteral("SAHARA ESPAÑOL"))];
  EXPECT_FALSE(DameCiudadesDisp(dmMain.vLocalidades, Ciudades, nSahara));
  EXPECT_EQ(Ciudades.TotalCiudades, -1);
  EXPECT_FALSE(dmMain.vLocalidades.Active());
}

TEST_F(Selector, ElegirEstadoLlenaSusLocalidadesSinSeleccion)
{
  Elige(Combo("cbEstado"), QStringLiteral("AGUASCALIENTES"));
  QComboBox* cbCiudad = Combo("cbCiudad");
  ASSERT_EQ(cbCiudad->count(), 13);
  EXPECT_EQ(cbCiudad->itemText(0), QStringLiteral("AGUASCALIENTES"));
  EXPECT_EQ(cbCiudad->itemText(3), QStringLiteral("CALVILLO"));
  EXPECT_EQ(cbCiudad->currentIndex(), -1);
}

TEST_F(Selector, AgregarLlenaLaListaYLasTresListas)
{
  Agrega(QStringLiteral("AGUASCALIENTES"), QStringLiteral("CALVILLO"));
  EXPECT_EQ(Renglones(Lista()), QStringList{QStringLiteral("CALVILLO [Clave:00103002 ]")});
  const TLocalidades& Locs = Ventana->ListaLocs();
  EXPECT_EQ(*Locs.Estado, QStringList{QStringLiteral("AGUASCALIENTES")});
  EXPECT_EQ(*Locs.Ciudad, QStringList{QStringLiteral("CALVILLO")});
  EXPECT_EQ(*Locs.Clave, QStringList{QStringLiteral("00103002")});
  EXPECT_EQ(Combo("cbCiudad")->currentIndex(), -1);
  EXPECT_EQ(Combo("cbCiudad")->currentText(), QString());
  EXPECT_EQ(Combo("cbEstado")->currentText(), QStringLiteral("AGUASCALIENTES"));
}

TEST_F(Selector, SinSeleccionNoAgregaNada)
{
  Boton("bnAgregar")->click();
  Elige(Combo("cbEstado"), QStringLiteral("AGUASCALIENTES"));
  Boton("bnAgregar")->click();
  EXPECT_EQ(Lista()->count(), 0);
  EXPECT_EQ(Etiqueta("txMensajes")->text(), QString());
}

TEST_F(Selector, LaMismaLocalidadDosVecesSeRechaza)
{
  Agrega(QStringLiteral("AGUASCALIENTES"), QStringLiteral("CALVILLO"));
  Agrega(QStringLiteral("AGUASCALIENTES"), QStringLiteral("CALVILLO"));
  EXPECT_EQ(Lista()->count(), 1);
  EXPECT_EQ(Ventana->ListaLocs().Clave->size(), 1);
  EXPECT_EQ(Etiqueta("txMensajes")->text(),
            QStringLiteral("La localidad \"CALVILLO\" ya está agregada."));
}

TEST_F(Selector, SoloCincoLocalidades)
{
  for (const char* sCiudad : CC_CIUDADES_AGS)
    Agrega(QStringLiteral("AGUASCALIENTES"), QString::fromLatin1(sCiudad));
  ASSERT_EQ(Lista()->count(), 5);
  Agrega(QStringLiteral("AGUASCALIENTES"), QStringLiteral("TEPEZALA"));
  EXPECT_EQ(Lista()->count(), 5);
  EXPECT_EQ(Ventana->ListaLocs().Ciudad->size(), 5);
  EXPECT_EQ(Etiqueta("txMensajes")->text(),
            QStringLiteral("Sólo puede agregar 5 localidades de riesgo."));
}

TEST_F(Selector, EliminarLaSegundaConservaElOrden)
{
  for (const char* sCiudad : CC_CIUDADES_AGS)
    Agrega(QStringLiteral("AGUASCALIENTES"), QString::fromLatin1(sCiudad));
  Lista()->setCurrentRow(1);
  Boton("bnEliminar")->click();
  const QStringList Esperadas = {QStringLiteral("AGUASCALIENTES"), QStringLiteral("JESUS MARIA"),
                                 QStringLiteral("ASIENTOS"), QStringLiteral("RINCON DE ROMOS")};
  EXPECT_EQ(*Ventana->ListaLocs().Ciudad, Esperadas);
  EXPECT_EQ(Ventana->ListaLocs().Estado->size(), 4);
  EXPECT_EQ(Ventana->ListaLocs().Clave->size(), 4);
  ASSERT_EQ(Lista()->count(), 4);
  for (int i = 0; i < 4; ++i)
    EXPECT_TRUE(Lista()->item(i)->text().startsWith(Esperadas[i] + QStringLiteral(" [Clave:")));
  // No other line takes its place: a second click removes nothing the user did not choose.
  EXPECT_EQ(Lista()->currentRow(), -1);
  EXPECT_TRUE(Lista()->selectedItems().isEmpty());
  Boton("bnEliminar")->click();
  EXPECT_EQ(Lista()->count(), 4);
  EXPECT_EQ(*Ventana->ListaLocs().Ciudad, Esperadas);
}

TEST_F(Selector, EliminarSinSeleccionNoHaceNada)
{
  Boton("bnEliminar")->click();
  Agrega(QStringLiteral("AGUASCALIENTES"), QStringLiteral("CALVILLO"));
  Lista()->clearSelection();
  Boton("bnEliminar")->click();
  EXPECT_EQ(Lista()->count(), 1);
  EXPECT_EQ(Ventana->ListaLocs().Ciudad->size(), 1);
}

TEST_F(Selector, BorrarElEstadoYSalirVaciaLasLocalidades)
{
  Elige(Combo("cbEstado"), QStringLiteral("AGUASCALIENTES"));
  QComboBox* cbEstado = Combo("cbEstado");
  cbEstado->setFocus();
  cbEstado->lineEdit()->selectAll();
  QTest::keyClick(cbEstado, Qt::Key_Delete);
  EXPECT_EQ(Combo("cbCiudad")->count(), 13);
  Edit("edUsuario")->setFocus();
  EXPECT_EQ(Combo("cbCiudad")->count(), 0);
}

TEST_F(Selector, SalirConTextoDejaLasLocalidades)
{
  Elige(Combo("cbEstado"), QStringLiteral("AGUASCALIENTES"));
  Combo("cbEstado")->setFocus();
  Edit("edUsuario")->setFocus();
  EXPECT_EQ(Combo("cbCiudad")->count(), 13);
}

}  // namespace
