#include "survey/RepEncGAFI2016.h"

#include "ado/ConsultaADO.h"
#include "ado/ErrorADO.h"
#include "report/AnexoReporte.h"
#include "survey/CamposConsulta.h"
#include "survey/FormatoNumeros.h"

#include <QMap>

#include <algorithm>

namespace {

// Why a question's joins drop an operation: the column of OperacionesFuera that marks it.
struct TDefMotivo {
  QString sColumna;
  QString sClave;
  QString sMotivo;
  QString sDescripcion;
  QString sEjemplo;      // the key shown as an example
  QString sTipoEjemplo;
};

const TDefMotivo* DefMotivo(const QString& sColumna)
{
  static const TDefMotivo Motivos[] = {
      {QStringLiteral("SinCliente"), QStringLiteral("sin_cliente"), QStringLiteral("sin cliente"),
       QStringLiteral("la clave de cliente de la operación no está en tCliente"), QStringLiteral("CvCAux"),
       QStringLiteral("clientes:")},
      {QStringLiteral("SinClienteEmpresa"), QStringLiteral("sin_cliente"), QStringLiteral("sin cliente"),
       QStringLiteral("la clave de cliente de la operación no está entre los clientes de la empresa en tCliente"),
       QStringLiteral("CvCAux"), QStringLiteral("clientes:")},
      {QStringLiteral("CiudadDesconocida"), QStringLiteral("ciudad_desconocida"), QStringLiteral("ciudad desconocida"),
       QStringLiteral("el cliente existe, pero su ClaveCiudad no está en tCiudad"), QStringLiteral("CvCAux"),
       QStringLiteral("clientes:")},
      {QStringLiteral("SectorDesconocido"), QStringLiteral("sector_desconocido"), QStringLiteral("sector desconocido"),
       QStringLiteral("el cliente de la empresa existe, pero su ClaveSector no está en tSector"),
       QStringLiteral("CvCAux"), QStringLiteral("clientes:")},
      {QStringLiteral("SinDivisa"), QStringLiteral("sin_divisa"), QStringLiteral("sin divisa"),
       QStringLiteral("el número de divisa de la operación no está en tDivisas"), QStringLiteral("NDiv"),
       QStringLiteral("divisas:")},
      {QStringLiteral("DivisaSinGrupo"), QStringLiteral("divisa_sin_grupo"), QStringLiteral("divisa sin grupo"),
       QStringLiteral("la divisa existe, pero su ClaveGrupo no está en tGrupos"), QStringLiteral("NDiv"),
       QStringLiteral("divisas:")},
  };
  for (const TDefMotivo& motivo : Motivos)
    if (motivo.sColumna == sColumna)
      return &motivo;
  return nullptr;
}

constexpr int CC_EJEMPLOS = 10;

const QString CC_PERIODO5 = QStringLiteral("operaciones desde el 01/11/2011");
const QString CC_PERIODO14 = QStringLiteral("operaciones de 2014");

// What each question's joins drop, and the walk-in public's column for it.
struct TFueraPregunta {
  QString sPregunta;
  QStringList Motivos;
  QString sPublico;
};

const QList<TFueraPregunta>& FueraPorPregunta()
{
  static const QList<TFueraPregunta> Preguntas = {
      {QStringLiteral("5"),
       {QStringLiteral("SinCliente"), QStringLiteral("CiudadDesconocida"), QStringLiteral("SinDivisa"),
        QStringLiteral("DivisaSinGrupo")},
       QStringLiteral("PubGen")},
      {QStringLiteral("17"), {QStringLiteral("SinCliente"), QStringLiteral("CiudadDesconocida")}, QStringLiteral("PubGen")},
      {QStringLiteral("18"),
       {QStringLiteral("SinCliente"), QStringLiteral("CiudadDesconocida"), QStringLiteral("SinDivisa")},
       QStringLiteral("PubGen")},
      {QStringLiteral("19"),
       {QStringLiteral("SinClienteEmpresa"), QStringLiteral("SectorDesconocido"), QStringLiteral("SinDivisa")},
       QStringLiteral("PubGenEmpresa")},
      {QStringLiteral("20"),
       {QStringLiteral("SinClienteEmpresa"), QStringLiteral("SectorDesconocido"), QStringLiteral("SinDivisa")},
       QStringLiteral("PubGenEmpresa")},
      {QStringLiteral("21"), {QStringLiteral("SinDivisa")}, QStringLiteral("PubGen")},
      {QStringLiteral("22"), {QStringLiteral("SinClienteEmpresa"), QStringLiteral("SectorDesconocido")},
       QStringLiteral("PubGenEmpresa")},
  };
  return Preguntas;
}

// "tF.A = 1 OR tF.B = 1": the operations that at least one of the reasons drops.
QString AlgunMotivo(const QStringList& Motivos)
{
  QStringList Partes;
  for (const QString& sMotivo : Motivos)
    Partes << QStringLiteral("tF.%1 = 1").arg(sMotivo);
  return Partes.join(QStringLiteral(" OR "));
}

// The question's period over OperacionesFuera; question 5 takes all of its rows.
QString PeriodoFuera(const QString& sPregunta)
{
  return sPregunta == QLatin1String("5") ? QString() : QStringLiteral("tF.En2014 = 1");
}

// The operations the question leaves out, within its period.
QString CondicionFuera(const TFueraPregunta& Pregunta)
{
  const QString sAlguno = QStringLiteral("(") + AlgunMotivo(Pregunta.Motivos) + QStringLiteral(")");
  const QString sPeriodo = PeriodoFuera(Pregunta.sPregunta);
  return sPeriodo.isEmpty() ? sAlguno : QStringLiteral("(") + sPeriodo + QStringLiteral(" AND ") + sAlguno + ")";
}

const QStringList& OrdenPreguntas()
{
  static const QStringList Orden = {"5", "7", "8", "17", "18", "19", "20", "21", "22"};
  return Orden;
}

QString TituloPregunta(const QString& sPregunta)
{
  static const QMap<QString, QString> Titulos = {
      {"5", QStringLiteral("Localidades de mayor riesgo: tipo de operación, instrumento monetario y moneda")},
      {"7", QStringLiteral("Alertas por trimestre de 2014")},
      {"8", QStringLiteral("Las 10 alertas con mayor incidencia")},
      {"17", QStringLiteral("Las 5 localidades con más operaciones en 2014")},
      {"18", QStringLiteral("Las 5 localidades con mayor monto operado en 2014")},
      {"19", QStringLiteral("Las 5 divisas más vendidas en 2014")},
      {"20", QStringLiteral("Otros sujetos obligados en 2014")},
      {"21", QStringLiteral("Operaciones de 2014 por umbral en dólares")},
      {"22", QStringLiteral("Operaciones de 2014 de usuarios extranjeros")},
  };
  return Titulos.value(sPregunta);
}

qint64 Entero(const ado::TConsultaADO& qConsulta, const QString& sCampo)
{
  const QVariant valor = qConsulta.FieldByName(sCampo);
  return valor.isNull() ? 0 : valor.toLongLong();
}

QString TextoClave(const QVariant& Valor)
{
  return Valor.isNull() ? QStringLiteral("(vacía)") : Valor.toString();
}

}  // namespace

TSeccionSoporte& TRepEncGAFI2016::SeccionSoporte(const QString& sPregunta)
{
  return F_Soporte.Seccion(sPregunta, TituloPregunta(sPregunta));
}

bool TRepEncGAFI2016::ConsultaSoporte(const QString& sPregunta, const QString& sId, const QString& sDescripcion,
                                      const QString& sSQL, ado::TConsultaADO& qConsulta)
{
  const TConsultaSoporte consulta{sId, sDescripcion, sSQL};
  if (sPregunta.isEmpty())
    F_Soporte.ConsultasCorrida << consulta;
  else
    SeccionSoporte(sPregunta).Consultas << consulta;
  qConsulta.SetConnection(F_Conector);
  qConsulta.Close();
  try {
    qConsulta.SetSQL(sSQL);
    qConsulta.Open();
    return true;
  } catch (const ado::EErrorADO& Error) {
    if (Error.Clase() == ado::CC_ERROR_ARCHIVO)
      throw;
    const QString sNota = QStringLiteral("No se pudo calcular la consulta %1: %2").arg(sId, Error.Mensaje());
    if (sPregunta.isEmpty())
      F_Soporte.Avisos << sNota;
    else
      SeccionSoporte(sPregunta).Notas << sNota;
    return false;
  }
}

TRankingSoporte& TRepEncGAFI2016::AnotaRanking(const QString& sPregunta, const QString& sId, const QString& sSQL,
                                               ado::TConsultaADO& qConsulta, TRankingSoporte Ranking,
                                               const std::function<TFilaSoporte()>& LeeFila)
{
  TSeccionSoporte& seccion = SeccionSoporte(sPregunta);
  seccion.Consultas << TConsultaSoporte{sId, QStringLiteral("la consulta de la respuesta, tal como la corre la "
                                                            "pregunta"),
                                        sSQL};
  Ranking.Consultas << sId;
  const int nFilas = qConsulta.RecordCount();
  QVariant CifraCorte;  // the last place shown
  qConsulta.First();
  for (int nFila = 1; nFila <= nFilas; ++nFila, qConsulta.Next()) {
    TFilaSoporte fila = LeeFila();
    fila.nLugar = nFila;
    fila.bMostrada = nFila <= Ranking.nMostrados;
    Ranking.Filas << fila;
    if (fila.bMostrada) {
      CifraCorte = fila.Cifra;
      continue;
    }
    // Past the cut: the rows tied with the last place shown, then the next one.
    if (fila.Cifra.isNull() || CifraCorte.isNull() || fila.Cifra.toDouble() != CifraCorte.toDouble())
      break;
  }
  MarcaEmpates(Ranking);
  seccion.Rankings << Ranking;
  return seccion.Rankings.last();
}

void TRepEncGAFI2016::AnotaCifras(const QString& sPregunta, const QString& sTitulo, const QString& sId,
                                  const QString& sSQL, const QList<std::pair<QString, QString>>& Cifras)
{
  TSeccionSoporte& seccion = SeccionSoporte(sPregunta);
  seccion.Consultas << TConsultaSoporte{sId, QStringLiteral("la consulta de la respuesta, tal como la corre la pregunta"),
                                        sSQL};
  TRankingSoporte* pRanking = nullptr;
  for (TRankingSoporte& ranking : seccion.Rankings)
    if (ranking.sTitulo == sTitulo)
      pRanking = &ranking;
  if (pRanking == nullptr) {
    TRankingSoporte nuevo;
    nuevo.sTitulo = sTitulo;
    nuevo.sColumnaValor = QStringLiteral("Concepto");
    nuevo.sColumnaCifra = QStringLiteral("Cifra");
    nuevo.bOrdenado = false;
    seccion.Rankings << nuevo;
    pRanking = &seccion.Rankings.last();
  }
  pRanking->Consultas << sId;
  for (const auto& [sConcepto, sCifra] : Cifras) {
    TFilaSoporte fila;
    fila.nLugar = int(pRanking->Filas.size()) + 1;
    fila.sValor = sConcepto;
    fila.sCifra = sCifra;
    fila.bMostrada = true;
    pRanking->Filas << fila;
    pRanking->nMostrados = fila.nLugar;
  }
}

void TRepEncGAFI2016::SoporteFuera(const QString& sPregunta, const QStringList& Motivos, const QString& sPublico)
{
  TExclusionesSoporte& fuera = SeccionSoporte(sPregunta).Fuera;
  const QString sPeriodo = PeriodoFuera(sPregunta);
  fuera.sPeriodo = sPeriodo.isEmpty() ? CC_PERIODO5 : CC_PERIODO14;
  const QString sDesde = QStringLiteral("FROM (") + OperacionesFuera() + QStringLiteral(") AS tF ");
  QStringList Columnas;
  for (const QString& sMotivo : Motivos)
    Columnas << QStringLiteral("SUM(tF.%1) AS %1, SUM(tF.%1 * tF.%2) AS %1Publico").arg(sMotivo, sPublico);
  const QString sConteo = QStringLiteral("SELECT ") + Columnas.join(QStringLiteral(", ")) +
                          QStringLiteral(", SUM(IIF(") + AlgunMotivo(Motivos) +
                          QStringLiteral(", 1, 0)) AS Distintas ") + sDesde +
                          (sPeriodo.isEmpty() ? QString() : QStringLiteral("WHERE ") + sPeriodo);
  QStringList Partes;
  for (const QString& sMotivo : Motivos) {
    const TDefMotivo* def = DefMotivo(sMotivo);
    Partes << QStringLiteral("SELECT '%1' AS Motivo, tF.%2 AS Clave, Count(1) AS Operaciones, MIN(tF.Folio) AS "
                             "Folio ")
                      .arg(sMotivo, def->sEjemplo) +
                  sDesde + QStringLiteral("WHERE ") + (sPeriodo.isEmpty() ? QString() : sPeriodo + " AND ") +
                  QStringLiteral("tF.%1 = 1 GROUP BY tF.%2").arg(sMotivo, def->sEjemplo);
  }
  // Ordered from outside: a lone grouped SELECT (one reason) cannot order by its own aliases.
  const QString sEjemplos = QStringLiteral("SELECT * FROM (") + Partes.join(QStringLiteral(" UNION ALL ")) +
                            QStringLiteral(") AS tE ORDER BY Motivo, Operaciones DESC, Clave");

  const QString sIdConteo = sPregunta + QStringLiteral(" fuera");
  const QString sIdEjemplos = sPregunta + QStringLiteral(" ejemplos");
  fuera.Consultas << sIdConteo << sIdEjemplos;
  ado::TConsultaADO qConsulta;
  if (!ConsultaSoporte(sPregunta, sIdConteo,
                       QStringLiteral("operaciones que quedaron fuera, por motivo (cada motivo por su cuenta) y "
                                      "distintas"),
                       sConteo, qConsulta))
    return;
  qConsulta.First();
  for (const QString& sMotivo : Motivos) {
    const TDefMotivo* def = DefMotivo(sMotivo);
    fuera.Motivos << TMotivoFuera{def->sClave,
                                  def->sMotivo,
                                  def->sDescripcion,
                                  Entero(qConsulta, sMotivo),
                                  Entero(qConsulta, sMotivo + QStringLiteral("Publico")),
                                  def->sTipoEjemplo,
                                  {}};
  }
  fuera.nDistintas = Entero(qConsulta, QStringLiteral("Distintas"));
  if (!ConsultaSoporte(sPregunta, sIdEjemplos,
                       QStringLiteral("claves que faltan, por motivo, con sus operaciones y un folio de ejemplo"),
                       sEjemplos, qConsulta))
    return;
  for (qConsulta.First(); !qConsulta.Eof(); qConsulta.Next()) {
    const QString sMotivo = qConsulta.FieldByName(QStringLiteral("Motivo")).toString();
    const int nMotivo = int(Motivos.indexOf(sMotivo));
    if (nMotivo < 0 || fuera.Motivos[nMotivo].Ejemplos.size() >= CC_EJEMPLOS)
      continue;
    const qint64 nOperaciones = Entero(qConsulta, QStringLiteral("Operaciones"));
    fuera.Motivos[nMotivo].Ejemplos
        << QStringLiteral("%1 (%2 %3, folio %4)")
               .arg(TextoClave(qConsulta.FieldByName(QStringLiteral("Clave"))))
               .arg(nOperaciones)
               .arg(nOperaciones == 1 ? QStringLiteral("operación") : QStringLiteral("operaciones"))
               .arg(TextoClave(qConsulta.FieldByName(QStringLiteral("Folio"))));
  }
}

QString TRepEncGAFI2016::NumerosDivisa(const QVariant& Simbolo)
{
  if (!F_bDivisasSoporte) {
    F_bDivisasSoporte = true;
    ado::TConsultaADO qConsulta;
    if (ConsultaSoporte(QStringLiteral("5"), QStringLiteral("5 divisas"),
                        QStringLiteral("números de divisa de cada símbolo"),
                        QStringLiteral("SELECT tDivisas.Simbolo, tDivisas.NumeroDivisa FROM tDivisas ORDER BY "
                                       "tDivisas.NumeroDivisa"),
                        qConsulta))
      for (qConsulta.First(); !qConsulta.Eof(); qConsulta.Next())
        F_DivisasSoporte << std::pair{qConsulta.FieldByName(QStringLiteral("Simbolo")),
                                      Entero(qConsulta, QStringLiteral("NumeroDivisa"))};
  }
  // Symbols group as the engine groups text: regardless of letter case, not of accents.
  QStringList Numeros;
  for (const auto& [simbolo, nNumero] : F_DivisasSoporte)
    if (simbolo.isNull() == Simbolo.isNull() &&
        simbolo.toString().compare(Simbolo.toString(), Qt::CaseInsensitive) == 0)
      Numeros << QString::number(nNumero);
  return Numeros.isEmpty() ? QString() : QStringLiteral("divisa ") + Numeros.join(QStringLiteral(", "));
}

void TRepEncGAFI2016::SoporteCorrida(const QString& sRazonSocial)
{
  TCorridaSoporte& corrida = F_Soporte.Corrida;
  corrida.Fecha = FechaCorrida();
  corrida.nEmpresa = F_sEmpAct.toInt();
  corrida.sEmpresa = sRazonSocial;
  corrida.dTipoCambio = F_dTipoCambio;
  corrida.Localidades.clear();
  corrida.ClavesLocalidades.clear();
  for (qsizetype i = 0; F_ListaLocCC.Clave && F_ListaLocCC.Ciudad && i < F_ListaLocCC.Clave->size() &&
                        i < F_ListaLocCC.Ciudad->size();
       ++i) {
    corrida.Localidades << QStringLiteral("%1 (Clave: %2)").arg(F_ListaLocCC.Ciudad->at(i), F_ListaLocCC.Clave->at(i));
    corrida.ClavesLocalidades << F_ListaLocCC.Clave->at(i);
  }
  ado::TConsultaADO qConsulta;
  for (const QString& sTabla : {QStringLiteral("tMovtos"), QStringLiteral("tProces")}) {
    const QString sSQL = QStringLiteral("SELECT Count(1) AS Lineas, SUM(IIF(NumEmp = %1, 1, 0)) AS DeLaEmpresa, "
                                        "SUM(IIF(NumEmp = %1 AND Cancelado = 0, 1, 0)) AS Vigentes FROM %2")
                             .arg(F_sEmpAct, sTabla);
    if (ConsultaSoporte({}, sTabla, QStringLiteral("líneas de operación leídas de la tabla"), sSQL, qConsulta)) {
      qConsulta.First();
      corrida.Tablas << TTablaLeida{sTabla, Entero(qConsulta, QStringLiteral("Lineas")),
                                    Entero(qConsulta, QStringLiteral("DeLaEmpresa")),
                                    Entero(qConsulta, QStringLiteral("Vigentes"))};
    }
  }
  const auto Cuenta = [&](const QString& sId, const QString& sDescripcion, const QString& sOps) -> qint64 {
    if (!ConsultaSoporte({}, sId, sDescripcion,
                         QStringLiteral("SELECT Count(1) AS Operaciones FROM (") + sOps + QStringLiteral(") AS tOps"),
                         qConsulta))
      return 0;
    qConsulta.First();
    return Entero(qConsulta, QStringLiteral("Operaciones"));
  };
  corrida.nOperacionesDesde2011 = Cuenta(QStringLiteral("operaciones desde 2011"),
                                         QStringLiteral("operaciones desde el 01/11/2011 (pregunta 5)"),
                                         TodasOpsRangoF(CC_FECHAINIC, QString()));
  corrida.nOperaciones2014 = Cuenta(QStringLiteral("operaciones 2014"),
                                    QStringLiteral("operaciones de 2014 (preguntas 17 a 22)"),
                                    TodasOpsRangoF(CC_FECHAINI14, CC_FECHAFIN14));
  QStringList Condiciones;
  for (const TFueraPregunta& pregunta : FueraPorPregunta())
    Condiciones << CondicionFuera(pregunta);
  if (ConsultaSoporte({}, QStringLiteral("fuera de alguna pregunta"),
                      QStringLiteral("operaciones distintas que quedaron fuera de al menos una pregunta"),
                      QStringLiteral("SELECT SUM(IIF(") + Condiciones.join(QStringLiteral(" OR ")) +
                          QStringLiteral(", 1, 0)) AS Operaciones FROM (") + OperacionesFuera() +
                          QStringLiteral(") AS tF"),
                      qConsulta)) {
    qConsulta.First();
    F_Soporte.nFueraTotal = Entero(qConsulta, QStringLiteral("Operaciones"));
  }
}

void TRepEncGAFI2016::TerminaPreguntas(const QString& sRazonSocial)
{
  for (const QString& sPregunta : OrdenPreguntas())
    SeccionSoporte(sPregunta);
  SoporteCorrida(sRazonSocial);
  CompletaHuellas(F_Soporte.Corrida);
  for (const TFueraPregunta& pregunta : FueraPorPregunta())
    SoporteFuera(pregunta.sPregunta, pregunta.Motivos, pregunta.sPublico);
  for (const QString& sPregunta : {QStringLiteral("7"), QStringLiteral("8")})
    SeccionSoporte(sPregunta).Fuera.sSinJoins =
        QStringLiteral("Ninguna operación queda fuera: la pregunta cuenta las alertas de tRelevan sin cruzarlas con "
                       "otra tabla.");
  std::sort(F_Soporte.Secciones.begin(), F_Soporte.Secciones.end(),
            [](const TSeccionSoporte& a, const TSeccionSoporte& b) {
              return OrdenPreguntas().indexOf(a.sPregunta) < OrdenPreguntas().indexOf(b.sPregunta);
            });
  TAnexoReporte anexo;
  anexo.Documento = DocumentoSoporte(F_Soporte);
  anexo.Ajustes = {QStringLiteral("SoporteCNBV_2015"), QStringLiteral("Soporte de las respuestas"),
                   QStringLiteral("Soporte de las respuestas del Cuestionario CNBV 2015"), QStringLiteral("Tolvex")};
  anexo.Json = SoporteComoJSON(F_Soporte);
  anexo.sResumen = F_Soporte.nFueraTotal == 1
                       ? QStringLiteral("1 operación quedó fuera de alguna pregunta")
                       : QStringLiteral("%1 operaciones quedaron fuera de alguna pregunta")
                             .arg(FormatoEntero(double(F_Soporte.nFueraTotal)));
  F_mjReportes->AgregaAnexo(anexo);
}
