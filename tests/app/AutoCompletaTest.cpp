// Type-ahead of the pickers ignores accents and letter case, and prefers the entry
// spelt as typed; the entries' texts stay as the catalogue has them.
#include "app/AutoCompletaCombo.h"
#include "app/VentanaPrueba.h"

namespace {

struct TCasoTecleo {
  QStringList Entradas;
  const char* sTecleo;
  const char* sElegida;  // "" for none
  const char* sMarcada;  // the completed part, selected in the box
};

TEST(AutoCompleta, IgnoraAcentosYMayusculasConLasExactasPrimero)
{
  const TCasoTecleo Casos[] = {
      {{"MÉXICO", "YUCATÁN"}, "yucatan", "YUCATÁN", ""},
      {{"MÉXICO", "YUCATÁN"}, "mex", "MÉXICO", "ICO"},
      {{"YUCATAN"}, "Yucatán", "YUCATAN", ""},
      {{"CAÑADA", "CANADA"}, "cana", "CANADA", "DA"},
      {{"CAÑADA", "CANADA"}, "caña", "CAÑADA", "DA"},
      {{"CAÑADA", "CANADA"}, "CAN", "CANADA", "ADA"},
      {{"ESPAÑA", "ESTONIA"}, "espan", "ESPAÑA", "A"},
  };
  for (const TCasoTecleo& Caso : Casos) {
    QComboBox cbCombo;
    cbCombo.setEditable(true);
    cbCombo.addItems(Caso.Entradas);
    cbCombo.setCurrentIndex(-1);
    for (const QChar c : QString::fromUtf8(Caso.sTecleo))
      AutoCompleta(&cbCombo, c);
    const QString sElegida = QString::fromUtf8(Caso.sElegida);
    EXPECT_EQ(cbCombo.currentIndex(), sElegida.isEmpty() ? -1 : int(Caso.Entradas.indexOf(sElegida)))
        << Caso.sTecleo;
    if (!sElegida.isEmpty()) {
      EXPECT_EQ(cbCombo.currentText(), sElegida) << Caso.sTecleo;
      EXPECT_EQ(cbCombo.lineEdit()->selectedText(), QString::fromUtf8(Caso.sMarcada)) << Caso.sTecleo;
    }
    EXPECT_EQ(QStringList({cbCombo.itemText(0), cbCombo.itemText(1)}).mid(0, Caso.Entradas.size()),
              Caso.Entradas);
  }
}

using TecleoEnSelectores = VentanaPrueba;

// In the real window, on the real catalogues, as a user types them.
TEST_F(TecleoEnSelectores, SinAcentosEncuentraEstadoYLocalidad)
{
  QComboBox* cbEstado = Combo("cbEstado");
  cbEstado->setFocus();
  Teclea(cbEstado, QStringLiteral("españa"));
  EXPECT_EQ(cbEstado->currentText(), QStringLiteral("ESPAÑA"));
  cbEstado->lineEdit()->clear();
  Teclea(cbEstado, QStringLiteral("coahuila"));
  EXPECT_TRUE(cbEstado->currentText().startsWith(QStringLiteral("COAHUILA")));
  QComboBox* cbCiudad = Combo("cbCiudad");
  cbCiudad->setFocus();
  Teclea(cbCiudad, QStringLiteral("ciudad acuna"));
  EXPECT_EQ(cbCiudad->currentText(), QStringLiteral("CIUDAD ACUÑA"));
  QTest::keyClick(cbCiudad, Qt::Key_Return);
  ASSERT_EQ(Lista()->count(), 1);
  EXPECT_TRUE(Lista()->item(0)->text().startsWith(QStringLiteral("CIUDAD ACUÑA [Clave:")));
}

}  // namespace
