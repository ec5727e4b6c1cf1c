#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <stdexcept>

#include "app/Utilerias.h"

namespace {

struct TCasoTecla {
  const char* sLocale;
  const char* sTexto;
  char16_t Key;
  bool bPasa;
};

class ValidaMonedaTabla : public testing::TestWithParam<TCasoTecla> {};

TEST_P(ValidaMonedaTabla, DescartaOPasaLaTecla)
{
  const TCasoTecla& Caso = GetParam();
  QLineEdit edCambio(QString::fromUtf8(Caso.sTexto));
  QChar Key(Caso.Key);
  ValidaMoneda(&edCambio, Key, QLocale(QString::fromLatin1(Caso.sLocale)));
  EXPECT_EQ(Key, Caso.bPasa ? QChar(Caso.Key) : QChar(QChar::Null));
}

INSTANTIATE_TEST_SUITE_P(
    Teclas, ValidaMonedaTabla,
    testing::Values(TCasoTecla{"C", "13", u'.', true}, TCasoTecla{"C", "13.", u'.', false},
                    TCasoTecla{"C", "", u'.', false}, TCasoTecla{"C", "0", u'.', false},
                    TCasoTecla{"C", "13.2", u'.', false}, TCasoTecla{"C", "13", u',', false},
                    TCasoTecla{"C", "13", u'a', false}, TCasoTecla{"C", "13", u'-', false},
                    TCasoTecla{"C", "13", u' ', false}, TCasoTecla{"C", "", u'7', true},
                    TCasoTecla{"C", "13.29", u'0', true}, TCasoTecla{"C", "13", u'\b', true},
                    TCasoTecla{"C", "13", u'\r', true}, TCasoTecla{"C", "13", u'\x16', false},
                    TCasoTecla{"C", "13", u'\t', false}, TCasoTecla{"C", "1", u'\u0663', false},
                    // A comma-decimal locale takes its own separator and the point.
                    TCasoTecla{"de_DE", "13", u',', true}, TCasoTecla{"de_DE", "13", u'.', true},
                    TCasoTecla{"de_DE", "13,", u'.', false},
                    TCasoTecla{"de_DE", "13.", u',', false},
                    TCasoTecla{"de_DE", "0", u',', false}));

struct TCasoConversion {
  const char* sLocale;
  const char* sTexto;
  double dValor;
};

class ConvierteTipoCambioTabla : public testing::TestWithParam<TCasoConversion> {};

TEST_P(ConvierteTipoCambioTabla, Convierte)
{
  const TCasoConversion& Caso = GetParam();
  EXPECT_DOUBLE_EQ(ConvierteTipoCambio(QString::fromUtf8(Caso.sTexto),
                                       QLocale(QString::fromLatin1(Caso.sLocale))),
                   Caso.dValor);
}

INSTANTIATE_TEST_SUITE_P(
    Textos, ConvierteTipoCambioTabla,
    testing::Values(TCasoConversion{"C", "13.29", 13.29}, TCasoConversion{"C", " 13.29 ", 13.29},
                    TCasoConversion{"C", "13.", 13}, TCasoConversion{"C", ".5", 0.5},
                    TCasoConversion{"C", "0.00", 0}, TCasoConversion{"C", "", 0},
                    TCasoConversion{"C", ".", 0}, TCasoConversion{"C", "abc", 0},
                    TCasoConversion{"C", "-2", -2},
                    // Grouping separators are refused, never read as thousands.
                    TCasoConversion{"C", "1,329", 0}, TCasoConversion{"C", "13,29", 0},
                    TCasoConversion{"de_DE", "13,29", 13.29},
                    TCasoConversion{"de_DE", "13.29", 13.29},
                    TCasoConversion{"de_DE", "1.329,5", 0}, TCasoConversion{"C", "1e3", 0}));

TEST(TiempoEspera, AtiendeEventosMientrasEspera)
{
  bool bAtendido = false;
  QTimer::singleShot(50, [&bAtendido] { bAtendido = true; });
  QElapsedTimer Reloj;
  Reloj.start();
  TiempoEspera(200);
  EXPECT_GE(Reloj.elapsed(), 200);
  EXPECT_TRUE(bAtendido);
}

TEST(TiempoEspera, CeroAtiendeLosEventosPendientesUnaVez)
{
  bool bAtendido = false;
  QMetaObject::invokeMethod(
      qApp, [&bAtendido] { bAtendido = true; }, Qt::QueuedConnection);
  TiempoEspera(0);
  EXPECT_TRUE(bAtendido);
}

TEST(ProcesayEspera, DeshabilitaDuranteYRestauraAunConError)
{
  QPushButton bnBoton;
  bool bHabilitadoDurante = true;
  bool bCursorEspera = false;
  const auto Proc = [&] {
    bHabilitadoDurante = bnBoton.isEnabled();
    bCursorEspera = QApplication::overrideCursor() &&
                    QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    throw std::runtime_error("falla");
  };
  EXPECT_THROW(ProcesayEspera(Proc, &bnBoton), std::runtime_error);
  EXPECT_FALSE(bHabilitadoDurante);
  EXPECT_TRUE(bCursorEspera);
  EXPECT_TRUE(bnBoton.isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
