// Times and peak memory of (a) opening and loading a back office, (b) the nine
// questions, (c) the same questions without the derived-table cache and join
// indexes (SQLite's own automatic indexes stay on), on generated back offices of
// several sizes; a size "5x200000" is a head office and four branches of 200,000
// operations each, consolidated. Each size is measured in a fresh child process so
// the peaks do not mix. Beside them, the time mdbtools' mdb-export needs to dump the
// two operation tables (of the joined back office for branches), measured in the same
// run: on a shared machine the ratio of (a+b) to it is steadier than either time. Both
// sides are the best of three runs (c, which takes longest, runs once). (d) is what the
// support of the answers adds after the questions (its figures, its PDF and JSON), in
// seconds and as a share of (a+b): the cost of `generar --soporte`. The answers and the
// support's figures of each size are kept beside its back office the first time and
// compared with those of every later run ("=" byte for byte, "DIF" not), so that speed work
// that changes an answer shows at the sizes the tests do not reach.
#include "MedicionProceso.h"

#include "ado/ConexionADO.h"
#include "ado/ConsultaADO.h"
#include "report/ExportadorJSON.h"
#include "report/ExportadorPDF.h"
#include "report/Reporte.h"
#include "backoffice-gen/GeneradorBackOffice.h"
#include "data/DataModule.h"
#include "survey/IIMensajero.h"
#include "survey/RepEncGAFI2016.h"
#include "survey/ReglasSucursales.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

class TMensajeroMudo : public IMensajero {
 public:
  void MsjEnTx(const QString&) override {}
  void MsjTxTemp(const QString&) override {}
  void MsjTxEspera(const QString&, bool) override {}
  void CampoObligatorio(QLabel*, QWidget*) override {}
  void SetLabel(QLabel*) override {}
};

const QStringList CC_TABLAS = {"tMovtos", "tProces", "tCliente", "tSector", "tCiudad",
                               "tDivisas", "tGrupos", "tRelevan", "tEmpresa"};

QStringList PrimerasLocalidades(const std::shared_ptr<ado::TConexionADO>& Conexion)
{
  ado::TConsultaADO Consulta;
  Consulta.SetConnection(Conexion);
  Consulta.SetSQL(QStringLiteral("SELECT DISTINCT ClaveLocalidad FROM tCiudad"));
  Consulta.Open();
  QStringList Claves;
  for (Consulta.First(); !Consulta.Eof() && Claves.size() < 5; Consulta.Next())
    Claves << Consulta.FieldByName(QStringLiteral("ClaveLocalidad")).toString();
  return Claves;
}

// The survey with the support's last step in reach.
class TEncuestaMedida : public TRepEncGAFI2016 {
 public:
  using TRepEncGAFI2016::TRepEncGAFI2016;
  using TRepEncGAFI2016::TerminaPreguntas;
};

// The nine questions; with pSoporteS, then the support of sArchivo written as PDF and
// JSON, and its seconds. As in the program, the file's hash starts before the questions.
bool NuevePreguntas(const std::shared_ptr<ado::TConexionADO>& Conexion, TdmMain& dmMain,
                    const TLocalidades& Lista, const QString& sArchivo = {}, double* pSoporteS = nullptr)
{
  TEncuestaMedida Encuesta(Conexion, dmMain.repGeneral, std::make_shared<TMensajeroMudo>(), 13.29, 1, Lista,
                           dmMain);
  if (pSoporteS != nullptr) {
    TCorridaSoporte Corrida;
    Corrida.Archivos << DescribeArchivo(QStringLiteral("matriz"), QString(), sArchivo);
    Encuesta.SetCorrida(Corrida);
  }
  bool bExito = true;
  for (int nPreg = 1; nPreg <= CC_NUMPREGS; ++nPreg)
    bExito = Encuesta.ContestaPregunta(nPreg) && bExito;
  if (pSoporteS != nullptr) {
    const TMedicion Soporte;
    Encuesta.TerminaPreguntas(QStringLiteral("Empresa"));
    const std::optional<TAnexoReporte>& Anexo = dmMain.repGeneral.Anexo();
    QTemporaryDir Carpeta;
    QString sError;
    bExito = bExito && Anexo &&
             EscribePDF(TReportePreparado(Anexo->Documento), Anexo->Ajustes, Carpeta.filePath("s.pdf"), sError) &&
             EscribeArchivo(Carpeta.filePath("s.json"), Anexo->Json, sError);
    *pSoporteS = Soporte.Segundos();
  }
  return bExito;
}

QString RutaBD(const QString& sCarpeta)
{
  return sCarpeta + QStringLiteral("/DataBase/Tolvex.mdb");
}

// The head office (branch 1) with branches 2 to nSucursales of backoffice-gen, which gives
// branch s the company number s.
ado::TConsolidacionJet Consolidacion(const QString& sCarpeta, int nSucursales)
{
  ado::TConsolidacionJet Consolidacion{1, {}, ReglasSucursales()};
  for (int s = 2; s <= nSucursales; ++s)
    Consolidacion.Sucursales.append(
        {RutaBD(backoffice::CarpetaSucursal(sCarpeta, s)), QStringLiteral("voduzu"), s});
  return Consolidacion;
}

// The answers, then the support's figures without the run's facts (paths, times).
QByteArray Respuestas(const TReporte& Reporte)
{
  QJsonObject Soporte;
  if (const std::optional<TAnexoReporte>& Anexo = Reporte.Anexo())
    Soporte = QJsonDocument::fromJson(Anexo->Json).object();
  Soporte.remove(QStringLiteral("corrida"));
  return VariablesComoJSON(Reporte) + QJsonDocument(Soporte).toJson();
}

// Child: prints "a_s a_mb b_s b_mb c_s c_mb ok d_s"; without bSinCache, c is 0. With
// sRespuestas, writes there the answers of the run with the cache.
int MideUnaVez(const QString& sCarpeta, int nSucursales, bool bSinCache, const QString& sRespuestas)
{
  TdmMain dmMain;
  auto Conexion = std::make_shared<ado::TConexionADO>();

  const TMedicion Carga;
  Conexion->SetConnectionString(
      QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;"
                     "Persist Security Info=True;Jet OLEDB:Database Password=voduzu")
          .arg(RutaBD(nSucursales > 0 ? backoffice::CarpetaSucursal(sCarpeta, 1) : sCarpeta)));
  if (nSucursales > 0)
    Conexion->SetConsolidacion(Consolidacion(sCarpeta, nSucursales));
  Conexion->SetConnected(true);
  for (const QString& sTabla : CC_TABLAS) {
    ado::TConsultaADO Consulta;
    Consulta.SetConnection(Conexion);
    // every column: a statement that names only some would load those, and the questions
    // would load the table again
    Consulta.SetSQL(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(sTabla));
    Consulta.Open();
  }
  const double dCargaS = Carga.Segundos(), dCargaMB = Carga.PicoMB();

  const QStringList Claves = PrimerasLocalidades(Conexion);
  TLocalidades Lista{std::make_shared<QStringList>(), std::make_shared<QStringList>(Claves),
                     std::make_shared<QStringList>(Claves)};
  for (int i = 0; i < Claves.size(); ++i)
    Lista.Estado->append(QString());

  const TMedicion ConCache;
  double dSoporteS = 0;
  const bool bExito1 = NuevePreguntas(
      Conexion, dmMain, Lista, RutaBD(nSucursales > 0 ? backoffice::CarpetaSucursal(sCarpeta, 1) : sCarpeta),
      &dSoporteS);
  const double dPregS = ConCache.Segundos() - dSoporteS, dPregMB = ConCache.PicoMB();
  QString sError;
  const bool bEscritas = sRespuestas.isEmpty() || EscribeArchivo(sRespuestas, Respuestas(dmMain.repGeneral), sError);

  double dSinS = 0, dSinMB = 0;
  bool bExito2 = true;
  if (bSinCache) {
    Conexion->SetCacheActiva(false);
    const TMedicion SinCache;
    bExito2 = NuevePreguntas(Conexion, dmMain, Lista);
    dSinS = SinCache.Segundos();
    dSinMB = SinCache.PicoMB();
  }

  std::printf("%.3f %.1f %.3f %.1f %.3f %.1f %d %.3f\n", dCargaS, dCargaMB, dPregS, dPregMB, dSinS,
              dSinMB, bExito1 && bExito2 && bEscritas ? 1 : 0, dSoporteS);
  return 0;
}

// Wall time of mdb-export dumping tMovtos and tProces to nowhere; negative when it failed.
double SegundosVolcado(const QString& sArchivo)
{
  const TMedicion Volcado;
  for (const char* sTabla : {"tMovtos", "tProces"}) {
    QProcess Exportador;
    Exportador.setStandardOutputFile(QProcess::nullDevice());
    Exportador.setStandardErrorFile(QProcess::nullDevice());
    Exportador.start(QStringLiteral("mdb-export"), {sArchivo, QString::fromLatin1(sTabla)});
    if (!Exportador.waitForFinished(-1) || Exportador.exitStatus() != QProcess::NormalExit ||
        Exportador.exitCode() != 0)
      return -1;
  }
  return Volcado.Segundos();
}

constexpr int CC_VECES = 3;

// The answers of sNuevas against those kept in sGuardadas: "=", "DIF", or "nuevas" when
// none were kept yet (they are kept now).
const char* ComparaRespuestas(const QString& sNuevas, const QString& sGuardadas)
{
  QFile Nuevas(sNuevas), Guardadas(sGuardadas);
  if (!Nuevas.open(QIODevice::ReadOnly)) return "DIF";
  const QByteArray Leidas = Nuevas.readAll();
  if (!Guardadas.open(QIODevice::ReadOnly)) {
    QString sError;
    return EscribeArchivo(sGuardadas, Leidas, sError) ? "nuevas" : "DIF";
  }
  return Guardadas.readAll() == Leidas ? "=" : "DIF";
}

// One measuring run in a fresh child: its eight values, or nothing when it failed.
QStringList MideEnHijo(const QString& sCarpeta, int nSucursales, bool bSinCache, const QString& sRespuestas)
{
  QProcess Hijo;
  Hijo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  Hijo.start(QCoreApplication::applicationFilePath(),
             {QStringLiteral("--medir"), sCarpeta, QString::number(nSucursales),
              bSinCache ? QStringLiteral("1") : QStringLiteral("0"), sRespuestas});
  Hijo.waitForFinished(-1);
  const QStringList V = QString::fromLatin1(Hijo.readAllStandardOutput()).simplified().split(' ');
  if (Hijo.exitStatus() != QProcess::NormalExit || Hijo.exitCode() != 0 || V.size() != 8) return {};
  return V;
}

int Principal(const QStringList& Args)
{
  const QString sCache = Args.value(1, QStringLiteral("bench/cache"));
  const QStringList Tamanos =
      Args.value(2, QStringLiteral("10000,100000,1000000,5x200000")).split(QLatin1Char(','));
  std::printf("%10s %8s %9s %8s %9s %10s %9s %6s %12s %8s %10s %8s %10s %11s\n", "operaciones", "a) s", "a) MB",
              "b) s", "b) MB", "c) s", "c) MB", "c/b", "(a+b) us/op", "mdb s", "(a+b)/mdb", "d) s", "d/(a+b)",
              "respuestas");
  for (const QString& sTamano : Tamanos) {
    // "N" operations, or "SxN": S branches of N operations each.
    const QStringList Partes = sTamano.split(QLatin1Char('x'));
    const int nSucursales = Partes.size() == 2 ? Partes[0].toInt() : 0;
    const qint64 nOps = Partes.last().toLongLong() * std::max(nSucursales, 1);
    const QString sCarpeta = QDir(sCache).absoluteFilePath(sTamano);
    const QString sMarca = RutaBD(nSucursales > 0 ? backoffice::CarpetaUnida(sCarpeta) : sCarpeta);
    if (!QFile::exists(sMarca)) {
      const TMedicion Generacion;
      if (nSucursales > 0)
        backoffice::GeneraSucursales(Partes.last().toLongLong(), 2016, nSucursales, sCarpeta);
      else
        backoffice::GeneraBackOffice(nOps, 2016, sCarpeta);
      std::fprintf(stderr, "generado %s en %.1f s\n", qPrintable(sCarpeta), Generacion.Segundos());
    }
    QTemporaryDir Temporal;
    const QString sRespuestas = Temporal.filePath(QStringLiteral("respuestas.json"));
    // The best of three runs on each side: a shared machine only ever slows a run down.
    QStringList V;
    for (int nVez = 0; nVez < CC_VECES; ++nVez) {
      const QStringList Vez = MideEnHijo(sCarpeta, nSucursales, nVez == 0, nVez == 0 ? sRespuestas : QString());
      if (Vez.size() != 8) {
        std::printf("%10s  falló la medición\n", qPrintable(sTamano));
        return 1;
      }
      if (V.isEmpty()) {
        V = Vez;
      } else if (Vez[0].toDouble() + Vez[2].toDouble() < V[0].toDouble() + V[2].toDouble()) {
        for (int i : {0, 1, 2, 3, 7}) V[i] = Vez[i];
      }
    }
    const double a = V[0].toDouble(), b = V[2].toDouble(), c = V[4].toDouble(), d = V[7].toDouble();
    double dVolcado = -1;
    for (int nVez = 0; nVez < CC_VECES; ++nVez) {
      const double dVez = SegundosVolcado(sMarca);
      if (dVez <= 0) {
        std::printf("%10s  falló mdb-export\n", qPrintable(sTamano));
        return 1;
      }
      dVolcado = dVolcado < 0 ? dVez : std::min(dVolcado, dVez);
    }
    const char* sComparadas =
        ComparaRespuestas(sRespuestas, QDir(sCache).absoluteFilePath(sTamano + QStringLiteral("-respuestas.json")));
    std::printf("%10s %8.2f %9.0f %8.2f %9.0f %10.2f %9.0f %6.1f %12.2f %8.2f %10.2f %8.2f %9.0f%% %11s%s\n",
                qPrintable(sTamano), a, V[1].toDouble(), b, V[3].toDouble(), c, V[5].toDouble(), b > 0 ? c / b : 0,
                (a + b) * 1e6 / nOps, dVolcado, (a + b) / dVolcado, d, a + b > 0 ? 100 * d / (a + b) : 0, sComparadas,
                V[6] == QLatin1String("1") ? "" : "  (alguna pregunta falló)");
    std::fflush(stdout);
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication Aplicacion(argc, argv);
  const QStringList Args = Aplicacion.arguments();
  if (Args.value(1) == QLatin1String("--medir"))
    return MideUnaVez(Args.value(2), Args.value(3).toInt(), Args.value(4) == QLatin1String("1"), Args.value(5));
  return Principal(Args);
}
