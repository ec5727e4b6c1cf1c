#pragma once

#include <QStringList>
#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <memory>

#include "BackOfficePrueba.h"
#include "ado/ConexionADO.h"
#include "ado/ConsultaADO.h"
#include "data/DataModule.h"
#include "db/DialogosGrabados.h"
#include "survey/IIMensajero.h"
#include "survey/RepEncGAFI2016.h"

// Records what the survey tells the status line.
class TMensajeroGrabado : public IMensajero {
 public:
  void MsjEnTx(const QString& sTexto) override { Textos << sTexto; }
  void MsjTxTemp(const QString& sTexto) override { Textos << sTexto; }
  void MsjTxEspera(const QString& sTexto, bool) override { Textos << sTexto; }
  void CampoObligatorio(QLabel*, QWidget*) override {}
  void SetLabel(QLabel*) override {}

  QStringList Textos;
};

// The survey with the text of its last query in view, and of every query it asked.
class TEncuestaPrueba : public TRepEncGAFI2016 {
 public:
  using TRepEncGAFI2016::TRepEncGAFI2016;
  QString UltimoSQL() const { return F_qConsultaGen->SQL(); }
  bool ConsultaAbierta() const { return F_qConsultaGen->Active(); }
  bool PideConsulta(const QString& sConsulta, ado::TConsultaADO& qQuery) override {
    Consultas << sConsulta;
    return TRepEncGAFI2016::PideConsulta(sConsulta, qQuery);
  }
  QStringList Consultas;
};

// A survey over the real data module (catalogues and questionnaire template),
// recording doubles for the status line and the dialogs.
class TEntornoEncuesta {
 public:
  // Five risk localities: names and keys.
  void EstableceLocalidades(const QStringList& Ciudades, const QStringList& Claves) {
    *Localidades.Estado = QStringList(Ciudades.size(), QStringLiteral("ESTADO"));
    *Localidades.Ciudad = Ciudades;
    *Localidades.Clave = Claves;
  }

  // Opens sRuta with our data engine; false (and the reason) when it cannot.
  bool Conecta(const QString& sRuta, QString& sError);
  // Writes a back office with these rows into a folder of its own and opens it.
  bool Conecta(const BackOffice::TDatos& Datos, QString& sError) {
    return Conecta(BackOffice::Escribe(F_Dir, QStringLiteral("Tolvex.mdb"), Datos), sError);
  }

  TEncuestaPrueba& Encuesta(int nEmpresa = 1) {
    if (!F_Encuesta) {
      F_Encuesta = std::make_unique<TEncuestaPrueba>(Conexion, dm.repGeneral, Mensajero, 13.29, nEmpresa,
                                                     Localidades, dm);
    }
    return *F_Encuesta;
  }

  // What the template prints for "preg_" + sNumero; "<nada>" when it prints nothing.
  QString Celda(const QString& sNumero) const {
    return dm.repGeneral.TextoImpreso(QStringLiteral("preg_") + sNumero).value_or(QStringLiteral("<nada>"));
  }
  // Gives "preg_" + sNumero a value no question writes, to see it left alone.
  void Marca(const QString& sNumero) {
    dm.repGeneral.SetVariable(QStringLiteral("Cuestionario"), QStringLiteral("preg_") + sNumero,
                              QStringLiteral("'SIN TOCAR'"));
  }

  TdmMain dm;
  TLocalidades Localidades{std::make_shared<QStringList>(), std::make_shared<QStringList>(),
                           std::make_shared<QStringList>()};
  std::shared_ptr<TMensajeroGrabado> Mensajero = std::make_shared<TMensajeroGrabado>();
  TInstalaDialogos Dialogos;
  std::shared_ptr<ado::TConexionADO> Conexion;

 private:
  QTemporaryDir F_Dir;
  std::unique_ptr<TEncuestaPrueba> F_Encuesta;
};

// One answer cell and the text it must print.
struct TCeldaEsperada {
  const char* sCelda;
  const char* sTexto;
};

inline void RevisaCeldas(const TEntornoEncuesta& Entorno, std::initializer_list<TCeldaEsperada> Esperadas) {
  for (const TCeldaEsperada& Esperada : Esperadas) {
    EXPECT_EQ(Entorno.Celda(Esperada.sCelda), QString::fromUtf8(Esperada.sTexto)) << Esperada.sCelda;
  }
}
