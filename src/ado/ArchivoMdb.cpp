#include "ado/ArchivoMdb.h"

#include "ado/DefinicionTabla.h"
#include "ado/ErrorADO.h"
#include "ado/LectorTabla.h"
#include "ado/Plataforma.h"
#include "ado/Rc4.h"
#include "base/ErrorSistema.h"

#include <QtEndian>
#include <cstring>

namespace ado {
namespace {

constexpr quint32 CC_PAGINA_CATALOGO = 2;  // MSysObjects' definition
constexpr qint64 CC_TIPO_TABLA = 1;

}  // namespace

TArchivoMdb::TArchivoMdb(const QString& sRuta) : F_sRuta(sRuta), F_Archivo(sRuta) {
  if (!F_Archivo.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
    throw EErrorADO(CC_ERROR_ARCHIVO,
                    QStringLiteral("No se puede leer la base de datos \"%1\": %2.").arg(sRuta, ExplicaErrorSistema(F_Archivo.errorString())));
  Abre(F_Archivo.read(4096), F_Archivo.size());
}

TArchivoMdb::TArchivoMdb(QByteArray Bytes, const QString& sRuta) : F_sRuta(sRuta), F_Bytes(std::move(Bytes)) {
  Abre(F_Bytes.left(4096), F_Bytes.size());
}

void TArchivoMdb::Abre(const QByteArray& Cabecera, qint64 nTamano) {
  F_Cabecera = LeeCabeceraJet(reinterpret_cast<const unsigned char*>(Cabecera.constData()), Cabecera.size(), nTamano,
                              F_sRuta);
  F_nPaginas = quint32(std::min<qint64>(nTamano / F_Cabecera.nTamPagina, 0xFFFFFF));
  F_CodigoJet3 = TablaCodigoPagina(F_Cabecera.nCodigoPagina ? F_Cabecera.nCodigoPagina : 1252);
  LeeCatalogo();
}

bool TArchivoMdb::LeePagina(quint32 n, unsigned char* pDestino) const {
  if (n == 0 || n >= F_nPaginas) return false;
  const int nTam = F_Cabecera.nTamPagina;
  const qint64 nInicio = qint64(n) * nTam;
  if (F_Archivo.isOpen()) {
    if (!F_Archivo.seek(nInicio) || F_Archivo.read(reinterpret_cast<char*>(pDestino), nTam) != nTam) return false;
  } else {
    if (nInicio + nTam > F_Bytes.size()) return false;
    std::memcpy(pDestino, F_Bytes.constData() + nInicio, size_t(nTam));
  }
  if (F_Cabecera.nClave != 0) {
    unsigned char clave[4];
    qToLittleEndian(F_Cabecera.nClave ^ n, clave);
    Rc4(clave, 4, pDestino, nTam);
  }
  return true;
}

void TArchivoMdb::LeeCatalogo() {
  F_Tablas.push_back({QStringLiteral("MSysObjects"), CC_PAGINA_CATALOGO});
  TLectorTabla Lector(*this, F_Tablas.front());
  qsizetype nId = -1, nNombre = -1, nTipo = -1;
  for (qsizetype c = 0; c < Lector.Columnas().size(); ++c) {
    const QString sColumna = Lector.Columnas()[c].sNombre.toLower();
    if (sColumna == QStringLiteral("id")) nId = c;
    else if (sColumna == QStringLiteral("name")) nNombre = c;
    else if (sColumna == QStringLiteral("type")) nTipo = c;
  }
  if (nId < 0 || nNombre < 0 || nTipo < 0) throw ErrorDanada(F_sRuta, QStringLiteral("catálogo de objetos"));
  std::vector<TEntradaTabla> Tablas;
  while (Lector.Siguiente()) {
    const std::vector<TCelda>& Celdas = Lector.Celdas();
    const TCelda& Tipo = Celdas[size_t(nTipo)];
    const TCelda& Nombre = Celdas[size_t(nNombre)];
    const TCelda& Id = Celdas[size_t(nId)];
    if (Tipo.eClase != TClaseCelda::Entero || (Tipo.nEntero & 0x7F) != CC_TIPO_TABLA ||
        Nombre.eClase != TClaseCelda::Texto || Id.eClase != TClaseCelda::Entero)
      continue;
    const quint32 nPagina = quint32(Id.nEntero & 0x00FFFFFF);
    if (nPagina == CC_PAGINA_CATALOGO) continue;
    const QString sNombre = QString::fromStdString(Nombre.sDatos);
    if (!NombreJetValido(sNombre)) throw ErrorDanada(F_sRuta, QStringLiteral("catálogo de objetos"));
    Tablas.push_back({sNombre, nPagina});
  }
  F_Tablas.insert(F_Tablas.end(), Tablas.begin(), Tablas.end());
}

const TEntradaTabla* TArchivoMdb::Entrada(const QString& sTabla) const {
  const QString sBuscada = sTabla.toCaseFolded();
  for (const TEntradaTabla& Entrada : F_Tablas)
    if (Entrada.sNombre.toCaseFolded() == sBuscada) return &Entrada;
  return nullptr;
}

}  // namespace ado
