#include "ado/MapeoConsolidado.h"

#include <string>

namespace ado {
namespace {

bool Nombra(const QList<TColumnaTabla>& Lista, const QString& sTabla, const QString& sColumna) {
  for (const TColumnaTabla& c : Lista)
    if (c.sTabla.compare(sTabla, Qt::CaseInsensitive) == 0 && c.sColumna.compare(sColumna, Qt::CaseInsensitive) == 0)
      return true;
  return false;
}

// The number a cell holds, also as text ("12"), as Jet compares a number with a text.
bool Numero(const TCelda& Celda, double& dValor) {
  switch (Celda.eClase) {
    case TClaseCelda::Entero: dValor = double(Celda.nEntero); return true;
    case TClaseCelda::Real: dValor = Celda.dReal; return true;
    case TClaseCelda::Texto: {
      bool bOk = false;
      dValor = QString::fromUtf8(Celda.sDatos.data(), qsizetype(Celda.sDatos.size())).trimmed().toDouble(&bOk);
      return bOk;
    }
    default: return false;
  }
}

}  // namespace

TMapeoConsolidado::TMapeoConsolidado(const TReglasConsolidacion& Reglas, const QString& sTabla,
                                     const QStringList& Columnas, int nArchivo, int nArchivos,
                                     qint64 nEmpresaPropia, qint64 nEmpresaComun)
    : F_nArchivo(nArchivo), F_nArchivos(nArchivos), F_nEmpresaPropia(nEmpresaPropia), F_nEmpresaComun(nEmpresaComun) {
  for (const QString& sColumna : Columnas)
    F_clases.push_back(Nombra(Reglas.Identidades, sTabla, sColumna) ? TClase::Identidad
                       : Nombra(Reglas.Empresas, sTabla, sColumna)  ? TClase::Empresa
                                                                     : TClase::Copia);
}

const TCelda& TMapeoConsolidado::Mapea(size_t nColumna, const TCelda& Origen, TCelda& Auxiliar) const {
  const TClase Clase = F_clases[nColumna];
  if (Clase == TClase::Copia || Origen.eClase == TClaseCelda::Nulo) return Origen;
  if (Clase == TClase::Identidad)
    MapeaIdentidad(Origen, Auxiliar);
  else
    MapeaEmpresa(Origen, Auxiliar);
  return Auxiliar;
}

void TMapeoConsolidado::MapeaIdentidad(const TCelda& Origen, TCelda& Destino) const {
  Destino.eClase = Origen.eClase;
  switch (Origen.eClase) {
    case TClaseCelda::Entero: Destino.nEntero = (Origen.nEntero - 1) * F_nArchivos + F_nArchivo + 1; break;
    case TClaseCelda::Real: Destino.dReal = (Origen.dReal - 1) * double(F_nArchivos) + double(F_nArchivo + 1); break;
    default:
      Destino.sDatos = std::to_string(F_nArchivo + 1) + ':';
      Destino.sDatos += Origen.sDatos;
      break;
  }
}

TClavePropia ClavePropia(qint64 nConsolidada, int nArchivos) {
  // The inverse of MapeaIdentidad's (k - 1) * n + s + 1, also for keys of 0 and below.
  const qint64 nResto = ((nConsolidada - 1) % nArchivos + nArchivos) % nArchivos;
  return {int(nResto), (nConsolidada - 1 - nResto) / nArchivos + 1};
}

void TMapeoConsolidado::MapeaEmpresa(const TCelda& Origen, TCelda& Destino) const {
  double dValor = 0;
  Destino.eClase = TClaseCelda::Entero;
  Destino.nEntero = Numero(Origen, dValor) && dValor == double(F_nEmpresaPropia) ? F_nEmpresaComun : 0;
}

}  // namespace ado
