#include <gtest/gtest.h>

#include <functional>

#include "ado/ConexionADO.h"
#include "db/DialogosGrabados.h"
#include "db/MdbPrueba.h"
#include "report/Reporte.h"
#include "survey/BoolPersist.h"
#include "survey/RepEncuestaGAFI.h"

namespace {

class TMensajeroTextos : public IMensajero {
 public:
  void MsjEnTx(const QString& sTexto) override { Textos << sTexto; }
  void MsjTxTemp(const QString& sTexto) override { Textos << "temp:" + sTexto; }
  void MsjTxEspera(const QString& sTexto, bool) override { Textos << "espera:" + sTexto; }
  void CampoObligatorio(QLabel*, QWidget*) override {}
  void SetLabel(QLabel*) override {}
  QStringList Textos;
};

class TVisorContador : public IVisorReporte {
 public:
  void Muestra(const QList<TDocumentoVisor>& Documentos) override { Nombres << Documentos.first().sNombre; }
  QStringList Nombres;
};

// A survey whose questions answer from a script and record that they ran.
class TEncuestaGuion : public TRepEncuestaGAFI {
 public:
  TEncuestaGuion(std::shared_ptr<ado::TConexionADO> Conector, TReporte& Reporte,
                 std::shared_ptr<IMensajero> Mensajero, int nTotal)
      : TRepEncuestaGAFI(std::move(Conector), Reporte, "Nombre del reporte", std::move(Mensajero), nTotal) {}

  bool ContestaPregunta(int nNumPreg) override {
    Corridas << nNumPreg;
    return Pregunta ? Pregunta(nNumPreg) : true;
  }

  using TRepEncuestaGAFI::AgregaRespuesta;
  using TRepEncuestaGAFI::BooleanToStr;
  using TRepEncuestaGAFI::RevisaAcentos;

  std::function<bool(int)> Pregunta;
  QList<int> Corridas;
};

// Company record with its own capitalisation and a quote.
const char* CC_EMPRESA = R"({ "password": "voduzu", "tables": [
  { "name": "tEmpresa", "columns": [ {"name": "Empresa", "type": "Text"}, {"name": "RFC", "type": "Text"},
                                     {"name": "RegistroCC", "type": "Text"}, {"name": "NumEmp", "type": "Long"} ],
    "rows": [ ["Casa de Cambio O'Neil, S.A.", "CCO", "CC-1", 1] ] } ] })";

class EncuestaBase : public testing::Test {
 protected:
  void SetUp() override {
    Reporte.Variables().AgregaCategoria("Cuestionario");
    Reporte.Variables().AgregaVariable("NombreCC", QString("''"));
    Reporte.Variables().AgregaVariable("preg_5.1.1", QString("'plantilla'"));
    Reporte.SetVisor(Visor);
    Conexion->SetConnectionString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" +
                                  MdbPrueba::Crea(Dir, "Tolvex.mdb", CC_EMPRESA) +
                                  ";Jet OLEDB:Database Password=voduzu");
    Conexion->SetConnected(true);
  }

  TEncuestaGuion& Encuesta(int nTotal = 9) {
    if (!F_Encuesta) F_Encuesta = std::make_unique<TEncuestaGuion>(Conexion, Reporte, Mensajero, nTotal);
    return *F_Encuesta;
  }
  QString Valor(const QString& sNombre) const { return Reporte.Variables().Valor(sNombre).value_or("<nulo>"); }

  TInstalaDialogos Dialogos;
  QTemporaryDir Dir;
  TReporte Reporte;
  std::shared_ptr<TVisorContador> Visor = std::make_shared<TVisorContador>();
  std::shared_ptr<TMensajeroTextos> Mensajero = std::make_shared<TMensajeroTextos>();
  std::shared_ptr<ado::TConexionADO> Conexion = std::make_shared<ado::TConexionADO>();

 private:
  std::unique_ptr<TEncuestaGuion> F_Encuesta;
};

struct TCasoRespuesta {
  const char* sNombre;
  QString sDato;
  QString sValor;     // the variable's expression text
  QString sImpreso;   // what the report prints
};

class AgregaRespuesta : public EncuestaBase, public testing::WithParamInterface<TCasoRespuesta> {};

TEST_P(AgregaRespuesta, MayusculasAsciiYVocalesAcentuadasEntreComillas) {
  Encuesta().AgregaRespuesta("5.1.1", GetParam().sDato);
  EXPECT_EQ(Valor("preg_5.1.1"), GetParam().sValor);
  EXPECT_EQ(Reporte.TextoImpreso("preg_5.1.1").value_or("<nada>"), GetParam().sImpreso);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AgregaRespuesta,
    testing::Values(
        TCasoRespuesta{"Localidad", "Mérida (Clave: 31050)", "'MÉRIDA (CLAVE: 31050)'", "MÉRIDA (CLAVE: 31050)"},
        TCasoRespuesta{"EnyeYCedillaSeQuedanMinusculas", "Peña çà ü", "'PEñA çà Ü'", "PEñA çà Ü"},
        TCasoRespuesta{"Vacia", "", "''", ""},
        TCasoRespuesta{"RetornoYSaltoSinComillas", "línea uno\r\nlínea dos", "LÍNEA UNO\r\nLÍNEA DOS",
                       "LÍNEA UNO\r\nLÍNEA DOS"},
        TCasoRespuesta{"SaltoSoloSeEntrecomilla", "a\nb", "'A\nB'", "A\nB"},
        TCasoRespuesta{"ComillaLlegaIntacta", "O'Higgins", "'O''HIGGINS'", "O'HIGGINS"}),
    [](const testing::TestParamInfo<TCasoRespuesta>& Info) { return Info.param.sNombre; });

TEST_F(EncuestaBase, UnNombreQueLaPlantillaNoTieneSeAgregaALaCategoria) {
  Encuesta().AgregaRespuesta("20_SI", "x");
  EXPECT_EQ(Valor("preg_20_SI"), "'X'");
  EXPECT_EQ(Reporte.NombresVariables().last(), "preg_20_SI");
}

TEST_F(EncuestaBase, RevisaAcentosYBooleanToStr) {
  QString sTexto = "áéíóúü ÁÑñàç";
  TEncuestaGuion::RevisaAcentos(sTexto);
  EXPECT_EQ(sTexto, "ÁÉÍÓÚÜ ÁÑñàç");
  EXPECT_EQ(TEncuestaGuion::BooleanToStr(true), "-1");
  EXPECT_EQ(TEncuestaGuion::BooleanToStr(false), "0");
}

TEST(BoolPersist, RecuerdaLaPrimeraSalidaDelValorInicial) {
  TBoolPersist bExito(true);
  EXPECT_TRUE(bExito.GetValor());
  bExito.SetValor(false);
  bExito.SetValor(true);
  EXPECT_FALSE(bExito.GetValor());
  bExito.SetValorIni(true);
  EXPECT_TRUE(bExito.GetValor());
  TBoolPersist bFalso(false);
  bFalso.SetValor(true);
  bFalso.SetValor(false);
  EXPECT_TRUE(bFalso.GetValor());
}

TEST_F(EncuestaBase, TodasLasPreguntasBienDaVerdaderoConLosTextosDeAvance) {
  EXPECT_TRUE(Encuesta().GeneraReporte());
  EXPECT_EQ(Encuesta().Corridas, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(Mensajero->Textos,
            (QStringList{"espera:Iniciando...", "Por favor espere...", "Por favor espere... 11%",
                         "Por favor espere... 22%", "Por favor espere... 33%", "Por favor espere... 44%",
                         "Por favor espere... 55%", "Por favor espere... 66%", "Por favor espere... 77%",
                         "Por favor espere... 88%", "espera:Por favor espere... 100%",
                         "espera:Preparando reporte..."}));
  EXPECT_EQ(Visor->Nombres, QStringList{"Nombre del reporte"});
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
}

TEST_F(EncuestaBase, UnaPreguntaFallidaNoDetieneLasDemasNiElReporte) {
  Encuesta().Pregunta = [](int nNumPreg) { return nNumPreg != 2; };
  EXPECT_FALSE(Encuesta().GeneraReporte());
  EXPECT_EQ(Encuesta().Corridas.size(), 9);
  EXPECT_EQ(Visor->Nombres.size(), 1);
}

TEST_F(EncuestaBase, SinPreguntasSoloAvisosYReporte) {
  EXPECT_TRUE(Encuesta(0).GeneraReporte());
  EXPECT_TRUE(Encuesta().Corridas.isEmpty());
  EXPECT_EQ(Mensajero->Textos, (QStringList{"espera:Iniciando...", "Por favor espere...",
                                            "espera:Preparando reporte..."}));
  EXPECT_EQ(Visor->Nombres.size(), 1);
}

TEST_F(EncuestaBase, NombreCCConSuPropiaCapitalizacionYSuComilla) {
  Encuesta(0).GeneraReporte();
  EXPECT_EQ(Reporte.TextoImpreso("NombreCC").value_or("<nada>"), "Casa de Cambio O'Neil, S.A.");
}

TEST_F(EncuestaBase, CadaCorridaEmpiezaDeLosValoresDeLaPlantilla) {
  Encuesta(1).Pregunta = [this](int) {
    // What the template holds when the questions start.
    EXPECT_EQ(Valor("preg_5.1.1"), "'plantilla'");
    EXPECT_EQ(Valor("preg_19.1.1"), "<nulo>");
    return true;
  };
  Encuesta().AgregaRespuesta("5.1.1", "de una corrida anterior");
  Encuesta().AgregaRespuesta("19.1.1", "USD");
  EXPECT_TRUE(Encuesta().GeneraReporte());
}

TEST_F(EncuestaBase, UnErrorDentroDeUnaPreguntaLlegaAlLlamadorSinReporte) {
  Encuesta().Pregunta = [](int nNumPreg) -> bool {
    if (nNumPreg == 3) throw std::runtime_error("falla");
    return true;
  };
  EXPECT_THROW(Encuesta().GeneraReporte(), std::runtime_error);
  EXPECT_EQ(Encuesta().Corridas, (QList<int>{1, 2, 3}));
  EXPECT_TRUE(Visor->Nombres.isEmpty());
}

TEST_F(EncuestaBase, SinTablaDeEmpresaNombreCCVacioYSigue) {
  Conexion->SetConnected(false);
  EXPECT_TRUE(Encuesta(1).GeneraReporte());
  EXPECT_EQ(Dialogos->Mensajes.size(), 1);
  EXPECT_EQ(Valor("NombreCC"), "''");
  EXPECT_EQ(Visor->Nombres.size(), 1);
}

}  // namespace
