#include "BackOfficePrueba.h"

#include <cmath>

namespace BackOffice {

using mdbgen::TColumna;
using mdbgen::TTipo;

namespace {

void EscribeTabla(mdbgen::TEscritorMdb& Escritor, const QString& sNombre, const QList<TColumna>& Columnas,
                  const QList<TFila>& Filas, const QSet<qsizetype>& Borradas = {}) {
  Escritor.IniciaTabla(sNombre, Columnas);
  for (qsizetype i = 0; i < Filas.size(); ++i) {
    Escritor.AgregaFila(Filas[i], Borradas.contains(i));
  }
  Escritor.TerminaTabla();
}

const QList<TColumna>& ColumnasOperaciones() {
  static const QList<TColumna> Columnas = {
      {"NumEmp", TTipo::Long},       {"Tipo", TTipo::Text, 1},        {"Folio", TTipo::Long},
      {"Fecha", TTipo::DateTime},    {"NumeroDivisa", TTipo::Long},   {"Cotizacion", TTipo::Double},
      {"Cantidad", TTipo::Double},   {"ClaveCliente", TTipo::Long},   {"ImporteCaptura", TTipo::Currency},
      {"Cancelado", TTipo::Boolean},
  };
  return Columnas;
}

}  // namespace

QDateTime Fecha(const char* sFecha) {
  const QString sTexto = QString::fromUtf8(sFecha);
  const QString sFormato = sTexto.size() > 10 ? QStringLiteral("yyyy-MM-dd HH:mm:ss") : QStringLiteral("yyyy-MM-dd");
  return QDateTime::fromString(sTexto, sFormato);
}

mdbgen::TValor Texto(const char* sTexto) {
  if (sTexto == nullptr) {
    return Nulo();
  }
  return QString::fromUtf8(sTexto);
}

TFila Operacion(qint64 nEmp, const char* sTipo, qint64 nFolio, const char* sFecha, qint64 nDivisa, double dCot,
                double dCantidad, qint64 nCliente, double dImporte, bool bCancelado) {
  return {nEmp,     Texto(sTipo), nFolio,   Fecha(sFecha),
          nDivisa,  dCot,         dCantidad, nCliente,
          mdbgen::TMoneda{std::llround(dImporte * 10000)}, bCancelado};
}

TFila Cliente(qint64 nEmp, qint64 nCliente, const char* sCiudad, qint64 nSector) {
  return {nEmp,   nCliente, false, QStringLiteral("Cliente %1").arg(nCliente), Nulo(), Nulo(),
          false,  nSector,  Texto(sCiudad)};
}

TFila Sector(qint64 nSector, const char* sSector, const char* sClaveActividad) {
  return {nSector, Texto(sSector), Texto(sClaveActividad)};
}

TFila Ciudad(const char* sClaveCiudad, const char* sCiudad, const char* sClaveLocalidad) {
  return {Texto(sClaveCiudad), Texto(sCiudad), Texto(sClaveLocalidad)};
}

TFila Divisa(qint64 nDivisa, const char* sSimbolo, qint64 nGrupo) { return {nDivisa, Texto(sSimbolo), nGrupo}; }

TFila Grupo(qint64 nGrupo, const char* sInstMonet) { return {nGrupo, Texto(sInstMonet)}; }

TFila Alerta(const char* sTipo, const char* sFecha, bool bReportada, const char* sObservaciones) {
  return {Texto(sTipo), Fecha(sFecha), bReportada, Texto(sObservaciones)};
}

QString Escribe(const QTemporaryDir& Dir, const QString& sArchivo, const TDatos& Datos) {
  const QString sRuta = Dir.filePath(sArchivo);
  mdbgen::TEscritorMdb Escritor(sRuta);
  EscribeTabla(Escritor, "tMovtos", ColumnasOperaciones(), Datos.tMovtos, Datos.BorradasMovtos);
  EscribeTabla(Escritor, "tProces", ColumnasOperaciones(), Datos.tProces, Datos.BorradasProces);
  EscribeTabla(Escritor, "tCliente",
               {{"NumEmp", TTipo::Long},
                {"ClaveCliente", TTipo::Long},
                {"PersonaMoral", TTipo::Boolean},
                {"Nombre", TTipo::Text, 100},
                {"ApellidoPaterno", TTipo::Text, 50},
                {"ApellidoMaterno", TTipo::Text, 50},
                {"Extranjero", TTipo::Boolean},
                {"ClaveSector", TTipo::Long},
                {"ClaveCiudad", TTipo::Text, 10}},
               Datos.tCliente);
  EscribeTabla(Escritor, "tSector",
               {{"ClaveSector", TTipo::Long}, {"Sector", TTipo::Text, 100}, {"ClaveActividad", TTipo::Text, 10}},
               Datos.tSector);
  EscribeTabla(Escritor, "tCiudad",
               {{"ClaveCiudad", TTipo::Text, 10}, {"Ciudad", TTipo::Text, 100}, {"ClaveLocalidad", TTipo::Text, 10}},
               Datos.tCiudad);
  EscribeTabla(Escritor, "tDivisas",
               {{"NumeroDivisa", TTipo::Long}, {"Simbolo", TTipo::Text, 5}, {"ClaveGrupo", TTipo::Long}},
               Datos.tDivisas);
  EscribeTabla(Escritor, "tGrupos", {{"ClaveGrupo", TTipo::Long}, {"InstMonet", TTipo::Text, 2}}, Datos.tGrupos);
  EscribeTabla(Escritor, "tRelevan",
               {{"TipoRelev", TTipo::Text, 1},
                {"FechaDetec", TTipo::DateTime},
                {"Reportada", TTipo::Boolean},
                {"Observaciones", TTipo::Memo}},
               Datos.tRelevan);
  Escritor.Termina();
  return sRuta;
}

QString CadenaConexion(const QString& sRuta) {
  return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + sRuta +
         QStringLiteral(";Persist Security Info=True;Mode=Share Deny None");
}

}  // namespace BackOffice
