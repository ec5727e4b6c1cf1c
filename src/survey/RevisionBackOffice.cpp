#include "survey/RepEncGAFI2016.h"

#include "ado/Consolidacion.h"
#include "ado/ConsultaADO.h"
#include "ado/ErrorADO.h"
#include "db/LiteralJet.h"
#include "survey/CamposConsulta.h"

#include <functional>
#include <optional>

bool TRepEncGAFIBasic::DameLocalidadesOperadas(QList<TLocalidadOperada>& Localidades)
{
  const QString sConsulta =
      QStringLiteral("SELECT tCiudad.ClaveLocalidad, tCiudad.Ciudad, Count(1) AS Total FROM (") +
      TodasOpsRangoF(CC_FECHAINIC, QString()) +
      QStringLiteral(") AS tOps, tCliente, tCiudad WHERE tCliente.ClaveCliente = tOps.CvCAux AND "
                     "tCiudad.ClaveCiudad = tCliente.ClaveCiudad "
                     "GROUP BY tCiudad.ClaveLocalidad, tCiudad.Ciudad");
  ado::TConsultaADO& qConsulta = *F_qConsultaGen;
  if (!PideConsulta(sConsulta, qConsulta))
    return false;
  QList<TLocalidadOperada> Filas;
  for (qConsulta.First(); !qConsulta.Eof(); qConsulta.Next()) {
    const QString sCiudad = DameTexto(qConsulta, QStringLiteral("Ciudad"));
    Filas.append({DameTexto(qConsulta, QStringLiteral("ClaveLocalidad")),
                  qConsulta.FieldByName(QStringLiteral("Total")).toLongLong(),
                  sCiudad.isEmpty() ? QStringList() : QStringList{sCiudad}});
  }
  qConsulta.Close();
  Localidades.clear();
  SumaLocalidades(Localidades, Filas);
  return true;
}

namespace {

// One column of every row, through the engine's own query path but without the
// error dialog: a check that cannot run says so in the list instead.
std::optional<QStringList> Columna(const std::shared_ptr<ado::TConexionADO>& Conector,
                                   const QString& sConsulta, const QString& sCampo, QString& sError)
{
  ado::TConsultaADO qConsulta;
  qConsulta.SetConnection(Conector);
  qConsulta.SetSQL(sConsulta);
  try {
    qConsulta.Open();
    QStringList Valores;
    for (qConsulta.First(); !qConsulta.Eof(); qConsulta.Next())
      Valores << qConsulta.FieldByName(sCampo).toString();
    return Valores;
  } catch (const ado::EErrorADO& Error) {
    sError = Error.Mensaje();
    return std::nullopt;
  }
}

}  // namespace

QList<THallazgo> TRepEncGAFIBasic::RevisionPrevia()
{
  F_Mensajero->MsjEnTx(QStringLiteral("Revisando la base de datos del Tolvex..."));
  const std::shared_ptr<ado::TConexionADO> Conector = F_Conector.lock();
  QList<THallazgo> Hallazgos;
  const auto Revisa = [&](const QString& sRevision, const QString& sConsulta, const QString& sCampo,
                          const std::function<QStringList(const QStringList&)>& Nombres) {
    QString sError;
    const std::optional<QStringList> Valores = Columna(Conector, sConsulta, sCampo, sError);
    if (!Valores)
      Hallazgos.append({sRevision, {QStringLiteral("no se pudo revisar: ") + sError}});
    else if (const QStringList Lista = Nombres(*Valores); !Lista.isEmpty())
      Hallazgos.append({sRevision, Lista});
  };

  const QStringList Claves = F_ListaLocCC.Clave ? *F_ListaLocCC.Clave : QStringList();
  if (!Claves.isEmpty()) {
    QStringList Condiciones;
    for (const QString& sClave : Claves)
      Condiciones << QStringLiteral("ClaveLocalidad = '") + LiteralJet(sClave) + QStringLiteral("'");
    Revisa(QStringLiteral("Localidades elegidas sin ninguna ciudad del Tolvex con su clave"),
           QStringLiteral("SELECT DISTINCT ClaveLocalidad FROM tCiudad WHERE ") +
               Condiciones.join(QStringLiteral(" OR ")),
           QStringLiteral("ClaveLocalidad"), [this, &Claves](const QStringList& Halladas) {
             QStringList Faltantes;
             for (qsizetype i = 0; i < Claves.size(); ++i)
               if (!Halladas.contains(Claves[i]))
                 Faltantes << Claves[i] + QStringLiteral(" ") +
                                  F_ListaLocCC.Ciudad->value(i);
             return Faltantes;
           });
  }
  const auto Tal = [](const QStringList& Valores) { return Valores; };
  // Consolidated, the engine numbers the currencies apart; the user looks for the number
  // its own back office gives it.
  const auto DivisasPropias = [this](const QStringList& Valores) {
    const QStringList& Todos = BackOffices();
    if (Todos.size() < 2)
      return Valores;
    QStringList Nombres;
    for (const QString& sValor : Valores) {
      bool bNumero = false;
      const qint64 nValor = sValor.toLongLong(&bNumero);
      const ado::TClavePropia Propia = ado::ClavePropia(nValor, int(Todos.size()));
      Nombres << (bNumero ? QStringLiteral("%1 en %2").arg(Propia.nClave).arg(Todos.value(Propia.nArchivo))
                          : sValor);
    }
    return Nombres;
  };
  Revisa(QStringLiteral("Divisas sin Símbolo usadas desde el 1 de noviembre de 2011 (NumeroDivisa)"),
         QStringLiteral("SELECT DISTINCT tDivisas.NumeroDivisa FROM (") +
             TodasOpsRangoF(CC_FECHAINIC, QString()) +
             QStringLiteral(") AS tOps, tDivisas WHERE tDivisas.NumeroDivisa = tOps.NDiv AND "
                            "(ISNULL(tDivisas.Simbolo) OR tDivisas.Simbolo = '') "
                            "ORDER BY tDivisas.NumeroDivisa"),
         QStringLiteral("NumeroDivisa"), DivisasPropias);
  Revisa(QStringLiteral("Sectores de clientes sin Clave de la Actividad"),
         QStringLiteral("SELECT DISTINCT tSector.Sector FROM tCliente, tSector "
                        "WHERE tCliente.ClaveSector = tSector.ClaveSector AND tCliente.NumEmp = ") +
             F_sEmpAct +
             QStringLiteral(" AND (ISNULL(tSector.ClaveActividad) OR tSector.ClaveActividad = '') "
                            "ORDER BY tSector.Sector"),
         QStringLiteral("Sector"), Tal);
  return Hallazgos;
}
