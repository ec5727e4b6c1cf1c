#include "mdbgen/TablaJet.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "mdbgen/Mensajes.h"

namespace mdbgen::jet {
namespace {

constexpr int CC_nMemoEnLinea = 200;                            // memos up to this many bytes stay inside the row
constexpr int CC_nMemoComprimible = 1024;                       // longer memos are stored plain, as Access does
constexpr quint32 CC_nMaxLargo = 0xFFFFFF;                      // chained long values keep the top byte clear
constexpr quint32 CC_nMapaEnLinea = 512;                        // pages an inline usage map covers (Access: 64 bytes)
constexpr quint32 CC_nPaginasPorBloque = (CC_nPagina - 4) * 8;  // pages one 0x05 map page covers
constexpr int CC_nTrozoLval = CC_nMaxFila - 4;                  // a chained piece after its pointer
constexpr quint32 CC_nEnLinea = 0x80000000;
constexpr quint32 CC_nUnaFila = 0x40000000;

struct TRango {
  qint64 nMin, nMax;
  const char* sMin;
  const char* sMax;
};

TRango RangoDe(quint8 nCodigo) {
  switch (nCodigo) {
    case CC_nByte:
      return {0, 255, "0", "255"};
    case CC_nInteger:
      return {-32768, 32767, "-32768", "32767"};
    case CC_nLong:
      return {-2147483648LL, 2147483647LL, "-2147483648", "2147483647"};
    default:
      return {std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(), "-922337203685477.5808",
              "922337203685477.5807"};
  }
}

QString NombreTipo(quint8 nCodigo) {
  switch (nCodigo) {
    case CC_nBoolean:
      return QStringLiteral("Boolean");
    case CC_nByte:
      return QStringLiteral("Byte");
    case CC_nInteger:
      return QStringLiteral("Integer");
    case CC_nLong:
      return QStringLiteral("Long");
    case CC_nCurrency:
      return QStringLiteral("Currency");
    case CC_nSingle:
      return QStringLiteral("Single");
    case CC_nDouble:
      return QStringLiteral("Double");
    case CC_nFecha:
      return QStringLiteral("DateTime");
    case CC_nTexto:
      return QStringLiteral("Text");
    case CC_nMemo:
      return QStringLiteral("Memo");
    case CC_nDecimal:
      return QStringLiteral("Decimal");
    default:
      return QStringLiteral("OLE");
  }
}

bool EsVariable(quint8 nCodigo) { return nCodigo == CC_nTexto || nCodigo == CC_nMemo || nCodigo == CC_nOle; }

quint16 LargoFijo(quint8 nCodigo) {
  switch (nCodigo) {
    case CC_nBoolean:
    case CC_nByte:
      return 1;
    case CC_nInteger:
      return 2;
    case CC_nLong:
    case CC_nSingle:
      return 4;
    case CC_nDecimal:
      return 17;
    default:
      return 8;
  }
}

// A number given as an integer or a double, for floating-point columns.
const double* ComoDoble(const TValor& valor, double& dTemporal) {
  if (const qint64* n = std::get_if<qint64>(&valor)) {
    dTemporal = double(*n);
    return &dTemporal;
  }
  return std::get_if<double>(&valor);
}

}  // namespace

quint8 CodigoDe(TTipo tipo) {
  switch (tipo) {
    case TTipo::Boolean:
      return CC_nBoolean;
    case TTipo::Byte:
      return CC_nByte;
    case TTipo::Integer:
      return CC_nInteger;
    case TTipo::Long:
      return CC_nLong;
    case TTipo::Single:
      return CC_nSingle;
    case TTipo::Double:
      return CC_nDouble;
    case TTipo::Currency:
      return CC_nCurrency;
    case TTipo::Decimal:
      return CC_nDecimal;
    case TTipo::DateTime:
      return CC_nFecha;
    case TTipo::Text:
      return CC_nTexto;
    case TTipo::Memo:
      return CC_nMemo;
  }
  return CC_nOle;
}

QString FueraDeRango(quint8 nCodigo, const QString& sValor) {
  const TRango r = RangoDe(nCodigo);
  return QStringLiteral("el valor %1 está fuera del rango de %2 (%3 a %4)")
      .arg(sValor, NombreTipo(nCodigo), QLatin1String(r.sMin), QLatin1String(r.sMax));
}

TTablaJet::TTablaJet(TArchivoPaginas& archivo, QString sNombre, std::vector<TColumnaJet> columnas, quint32 nPaginaDef,
                     bool bSistema)
    : F_archivo(archivo), F_sNombre(std::move(sNombre)), F_columnas(std::move(columnas)), F_bSistema(bSistema) {
  F_disposicion.resize(F_columnas.size());
  for (size_t i = 0; i < F_columnas.size(); ++i) {
    const quint8 nCodigo = F_columnas[i].nCodigo;
    TDisposicion& d = F_disposicion[i];
    d.bFija = !EsVariable(nCodigo);
    if (d.bFija) {
      d.nLongitud = LargoFijo(nCodigo);
      if (nCodigo != CC_nBoolean) {  // a Yes/No value lives in the null mask only
        d.nOffset = quint16(F_nFijos);
        F_nFijos += d.nLongitud;
      }
    } else {
      d.nLongitud = nCodigo == CC_nTexto ? quint16(2 * F_columnas[i].nTamano) : 0;
      d.nIndiceVar = quint16(F_variables.size());
      F_variables.push_back(int(i));
    }
  }
  F_valoresVar.resize(F_variables.size());
  F_offsets.resize(F_variables.size() + 1);
  const size_t nDefinicion = ArmaDefinicion(0, 0).size();
  const size_t nMas = nDefinicion > size_t(CC_nPagina) ? nDefinicion - CC_nPagina : 0;
  const size_t nPaginas = 1 + (nMas + CC_nPagina - 9) / (CC_nPagina - 8);  // later pages carry 8-byte headers
  F_paginasDef.push_back(nPaginaDef ? nPaginaDef : F_archivo.Reserva());
  while (F_paginasDef.size() < nPaginas) F_paginasDef.push_back(F_archivo.Reserva());
}

void TTablaJet::Falla(int nColumna, const QString& sDetalle) const {
  throw ErrorEn(F_sNombre, F_nFila, F_columnas[size_t(nColumna)].sNombre, sDetalle);
}

void TTablaJet::AgregaFila(const std::vector<TValor>& valores, bool bBorrada) {
  if (valores.size() != F_columnas.size())
    throw ErrorEn(F_sNombre, F_nFila, {},
                  QStringLiteral("se esperaban %1 valores y hay %2").arg(F_columnas.size()).arg(valores.size()));
  F_fila.assign(size_t(2 + F_nFijos), 0);
  F_nulos.fill(0);
  for (TVariable& v : F_valoresVar) {
    v.bNulo = true;
    v.bEnLinea = true;
    v.datos.clear();
  }
  for (size_t i = 0; i < valores.size(); ++i) Prepara(int(i), valores[i]);
  int nLargo = LargoFila();
  if (nLargo > CC_nMaxFila) AlejaMemos(nLargo);
  ColocaFila(bBorrada);
  ++F_nFila;
  if (!bBorrada) ++F_nFilasVivas;
}

void TTablaJet::Prepara(int i, const TValor& valor) {
  const TColumnaJet& c = F_columnas[size_t(i)];
  const TDisposicion& d = F_disposicion[size_t(i)];
  if (std::holds_alternative<std::monostate>(valor)) {
    if (c.nCodigo == CC_nBoolean) Falla(i, QStringLiteral("una columna Boolean no admite null"));
    return;  // null-mask bit stays 0; a variable value stays empty
  }
  F_nulos[size_t(i / 8)] |= uint8_t(1 << (i % 8));
  uint8_t* pFijo = F_fila.data() + 2 + d.nOffset;
  double dTemporal = 0;
  switch (c.nCodigo) {
    case CC_nBoolean: {
      const bool* b = std::get_if<bool>(&valor);
      if (!b) Falla(i, QStringLiteral("se esperaba true o false"));
      if (!*b) F_nulos[size_t(i / 8)] &= uint8_t(~(1 << (i % 8)));
      return;
    }
    case CC_nByte:
    case CC_nInteger:
    case CC_nLong: {
      const qint64* n = std::get_if<qint64>(&valor);
      if (!n) Falla(i, QStringLiteral("se esperaba un número entero"));
      const TRango r = RangoDe(c.nCodigo);
      if (*n < r.nMin || *n > r.nMax) Falla(i, FueraDeRango(c.nCodigo, QString::number(*n)));
      for (int k = 0; k < d.nLongitud; ++k) pFijo[k] = uint8_t(quint64(*n) >> (8 * k));
      return;
    }
    case CC_nCurrency: {
      qint64 nDiezmilesimas = 0;
      if (const TMoneda* m = std::get_if<TMoneda>(&valor)) {
        nDiezmilesimas = m->nDiezmilesimas;
      } else if (const qint64* n = std::get_if<qint64>(&valor)) {
        if (qAbs(*n) > std::numeric_limits<qint64>::max() / 10000)
          Falla(i, FueraDeRango(c.nCodigo, QString::number(*n)));
        nDiezmilesimas = *n * 10000;
      } else {
        Falla(i, QStringLiteral("se esperaba un importe (hasta cuatro decimales)"));
      }
      PonU64(pFijo, quint64(nDiezmilesimas));
      return;
    }
    case CC_nDecimal: {  // a sign byte, then four little-endian 32-bit words, the most significant first
      const TDecimal* x = std::get_if<TDecimal>(&valor);
      if (!x) Falla(i, QStringLiteral("se esperaba un número decimal"));
      pFijo[0] = x->bNegativo ? 0x80 : 0x00;
      for (int nPalabra = 0; nPalabra < 4; ++nPalabra) PonU32(pFijo + 1 + 4 * nPalabra, quint32(x->nEntero >> (32 * (3 - nPalabra))));
      return;
    }
    case CC_nSingle:
    case CC_nDouble: {
      const double* x = ComoDoble(valor, dTemporal);
      if (!x) Falla(i, QStringLiteral("se esperaba un número"));
      const bool bSimple = c.nCodigo == CC_nSingle;
      if (!std::isfinite(*x) || (bSimple && std::fabs(*x) > FLT_MAX))
        Falla(i, QStringLiteral("el valor %1 no cabe en un %2").arg(*x).arg(NombreTipo(c.nCodigo)));
      if (bSimple)
        PonSimple(pFijo, float(*x));
      else
        PonDoble(pFijo, *x);
      return;
    }
    case CC_nFecha: {
      const QDateTime* f = std::get_if<QDateTime>(&valor);
      if (!f) Falla(i, QStringLiteral("se esperaba una fecha"));
      if (!f->isValid()) Falla(i, QStringLiteral("la fecha no es válida"));
      if (f->date().year() < 100 || f->date().year() > 9999)
        Falla(i, QStringLiteral("el año %1 está fuera de 100 a 9999").arg(f->date().year()));
      PonDoble(pFijo, DiaJet(f->date(), f->time()));
      return;
    }
    case CC_nTexto:
    case CC_nMemo: {
      const QString* s = std::get_if<QString>(&valor);
      if (!s) Falla(i, QStringLiteral("se esperaba un texto"));
      TVariable& v = F_valoresVar[d.nIndiceVar];
      if (c.nCodigo == CC_nTexto && s->size() > c.nTamano)
        Falla(i, QStringLiteral("el texto tiene %1 caracteres y el máximo es %2").arg(s->size()).arg(c.nTamano));
      CodificaTexto(*s, c.nCodigo == CC_nTexto || s->size() <= CC_nMemoComprimible, v.datos);
      if (v.datos.size() > CC_nMaxLargo)
        Falla(i, QStringLiteral("el memo ocupa %1 bytes y el máximo es %2").arg(v.datos.size()).arg(CC_nMaxLargo));
      v.bNulo = false;
      v.bEnLinea = c.nCodigo == CC_nTexto || v.datos.size() <= size_t(CC_nMemoEnLinea);
      return;
    }
    default:
      Falla(i, QStringLiteral("la columna %1 solo admite null").arg(NombreTipo(c.nCodigo)));
  }
}

int TTablaJet::LargoFila() const {
  int nLargo = 2 + F_nFijos + int(F_columnas.size() + 7) / 8;
  if (F_variables.empty()) return nLargo;
  nLargo += 2 + 2 * int(F_variables.size()) + 2;
  for (size_t j = 0; j < F_variables.size(); ++j) {
    const TVariable& v = F_valoresVar[j];
    if (v.bNulo) continue;
    const bool bLargo = F_columnas[size_t(F_variables[j])].nCodigo != CC_nTexto;
    nLargo += (bLargo ? 12 : 0) + (v.bEnLinea ? int(v.datos.size()) : 0);
  }
  return nLargo;
}

// Moves inline memos, largest first, to LVAL pages until the row fits its page.
void TTablaJet::AlejaMemos(int& nLargo) {
  while (nLargo > CC_nMaxFila) {
    TVariable* pMayor = nullptr;
    for (size_t j = 0; j < F_variables.size(); ++j) {
      TVariable& v = F_valoresVar[j];
      if (F_columnas[size_t(F_variables[j])].nCodigo == CC_nMemo && !v.bNulo && v.bEnLinea &&
          (!pMayor || v.datos.size() > pMayor->datos.size()))
        pMayor = &v;
    }
    if (!pMayor)
      throw ErrorEn(F_sNombre, F_nFila, {},
                    QStringLiteral("la fila ocupa %1 bytes y el máximo es %2").arg(nLargo).arg(CC_nMaxFila));
    pMayor->bEnLinea = false;
    nLargo = LargoFila();
  }
}

quint32 TTablaJet::AgregaLval(const uint8_t* p, int nBytes) {
  if (!F_lval.Abierta() || !F_lval.Cabe(nBytes)) {
    if (F_lval.Abierta()) CierraPagina(F_lval);
    F_lval.Inicia(F_archivo.Reserva(), CC_nDuenoLval);
  }
  return F_lval.Agrega(p, nBytes);
}

quint32 TTablaJet::EscribeLargo(const std::vector<uint8_t>& datos) {
  const int nTotal = int(datos.size());
  if (nTotal <= CC_nMaxFila) return AgregaLval(datos.data(), nTotal);
  // Chained pieces, the last one first, so each piece knows where the next one went.
  quint32 nSiguiente = 0;
  for (int k = (nTotal - 1) / CC_nTrozoLval; k >= 0; --k) {
    const int nDesde = k * CC_nTrozoLval;
    const int nBytes = std::min(CC_nTrozoLval, nTotal - nDesde);
    F_trozo.resize(size_t(4 + nBytes));
    PonU32(F_trozo.data(), nSiguiente);
    std::memcpy(F_trozo.data() + 4, datos.data() + nDesde, size_t(nBytes));
    nSiguiente = AgregaLval(F_trozo.data(), 4 + nBytes);
  }
  return nSiguiente;
}

void TTablaJet::ColocaFila(bool bBorrada) {
  PonU16(F_fila.data(), quint16(F_columnas.size()));
  const size_t nVar = F_variables.size();
  if (nVar > 0) {
    for (size_t j = 0; j < nVar; ++j) {
      F_offsets[j] = quint16(F_fila.size());
      const TVariable& v = F_valoresVar[j];
      if (v.bNulo) continue;
      if (F_columnas[size_t(F_variables[j])].nCodigo == CC_nTexto) {
        F_fila.insert(F_fila.end(), v.datos.begin(), v.datos.end());
        continue;
      }
      uint8_t cabecera[12] = {};
      const quint32 nBytes = quint32(v.datos.size());
      if (v.bEnLinea) {
        PonU32(cabecera, nBytes | CC_nEnLinea);
      } else {
        PonU32(cabecera, nBytes | (nBytes <= quint32(CC_nMaxFila) ? CC_nUnaFila : 0));
        PonU32(cabecera + 4, EscribeLargo(v.datos));
      }
      F_fila.insert(F_fila.end(), cabecera, cabecera + 12);
      if (v.bEnLinea) F_fila.insert(F_fila.end(), v.datos.begin(), v.datos.end());
    }
    F_offsets[nVar] = quint16(F_fila.size());  // end of the variable data
    const size_t nCola = F_fila.size();
    F_fila.resize(nCola + 2 * (nVar + 1) + 2);
    uint8_t* p = F_fila.data() + nCola;
    for (size_t j = nVar + 1; j-- > 0; p += 2) PonU16(p, F_offsets[j]);  // last column first
    PonU16(p, quint16(nVar));
  }
  F_fila.insert(F_fila.end(), F_nulos.begin(), F_nulos.begin() + (F_columnas.size() + 7) / 8);

  const int nBytes = int(F_fila.size());
  if (!F_datos.Abierta() || !F_datos.Cabe(nBytes)) {
    if (F_datos.Abierta()) CierraPagina(F_datos);
    const quint32 nPagina = F_archivo.Reserva();
    if (F_usadas.empty()) F_nPrimeraDatos = nPagina;
    const quint32 nBit = nPagina - F_nPrimeraDatos;
    if (F_usadas.size() <= nBit / 8) F_usadas.resize(nBit / 8 + 1, 0);
    F_usadas[nBit / 8] |= uint8_t(1 << (nBit % 8));
    F_nUltimaDatos = nPagina;
    F_datos.Inicia(nPagina, PaginaDefinicion());
  }
  F_datos.Agrega(F_fila.data(), nBytes, bBorrada);
}

void TTablaJet::CierraPagina(TPaginaFilas& pagina) {
  const quint32 nNumero = pagina.Numero();
  F_archivo.Escribe(nNumero, pagina.Cierra());
}

std::vector<uint8_t> TTablaJet::ArmaMapa() {
  std::vector<uint8_t> mapa(5, 0);
  if (F_usadas.empty()) return mapa;
  const quint32 nAbarca = F_nUltimaDatos - F_nPrimeraDatos + 1;
  if (nAbarca <= CC_nMapaEnLinea) {  // type 0: start page and a bitmap
    const size_t nBytes = (nAbarca + 7) / 8;
    mapa.resize(5 + nBytes);
    PonU32(&mapa[1], F_nPrimeraDatos);
    std::memcpy(&mapa[5], F_usadas.data(), nBytes);
    return mapa;
  }
  // Type 1: one 0x05 page per block of pages, the map row lists them.
  const quint32 nPrimerBloque = F_nPrimeraDatos / CC_nPaginasPorBloque;
  const quint32 nUltimoBloque = F_nUltimaDatos / CC_nPaginasPorBloque;
  mapa.assign(1 + 4 * (nUltimoBloque + 1), 0);
  mapa[0] = 0x01;
  std::array<uint8_t, CC_nPagina> pagina;
  for (quint32 b = nPrimerBloque; b <= nUltimoBloque; ++b) {
    pagina.fill(0);
    pagina[0] = 0x05;
    pagina[1] = 0x01;
    const quint32 nDesde = std::max(F_nPrimeraDatos, b * CC_nPaginasPorBloque);
    const quint32 nHasta = std::min(F_nUltimaDatos, b * CC_nPaginasPorBloque + CC_nPaginasPorBloque - 1);
    for (quint32 p = nDesde; p <= nHasta; ++p) {
      const quint32 nBit = p - F_nPrimeraDatos;
      if (!(F_usadas[nBit / 8] & (1 << (nBit % 8)))) continue;
      const quint32 k = p - b * CC_nPaginasPorBloque;
      pagina[4 + k / 8] |= uint8_t(1 << (k % 8));
    }
    const quint32 nNumero = F_archivo.Reserva();
    F_archivo.Escribe(nNumero, pagina.data());
    PonU32(&mapa[1 + 4 * b], nNumero);
  }
  return mapa;
}

std::vector<uint8_t> TTablaJet::ArmaDefinicion(quint32 nMapaUsado, quint32 nMapaLibre) const {
  const size_t nColumnas = F_columnas.size();
  std::vector<uint8_t> d(0x3F + 25 * nColumnas, 0);
  d[0] = 0x02;
  d[1] = 0x01;
  PonU32(&d[0x10], F_nFilasVivas);
  d[0x28] = F_bSistema ? 0x53 : 0x4E;
  PonU16(&d[0x29], quint16(nColumnas));
  PonU16(&d[0x2B], quint16(F_variables.size()));
  PonU16(&d[0x2D], quint16(nColumnas));
  PonU32(&d[0x37], nMapaUsado);
  PonU32(&d[0x3B], nMapaLibre);
  for (size_t i = 0; i < nColumnas; ++i) {
    const TDisposicion& o = F_disposicion[i];
    const quint8 nCodigo = F_columnas[i].nCodigo;
    uint8_t* c = &d[0x3F + 25 * i];
    c[0] = nCodigo;
    PonU16(c + 5, quint16(i));
    PonU16(c + 7, o.bFija ? 0 : o.nIndiceVar);
    PonU16(c + 9, quint16(i));
    if (nCodigo == CC_nDecimal) {  // precision, then scale
      c[11] = quint8(F_columnas[i].nPrecision);
      c[12] = quint8(F_columnas[i].nEscala);
    } else {
      PonU16(c + 11, 0x0409);  // general sort order, as Access writes it
    }
    c[15] = o.bFija ? 0x03 : 0x02;                                        // fixed, nullable
    c[16] = (nCodigo == CC_nTexto || nCodigo == CC_nMemo) ? 0x01 : 0x00;  // Unicode compression allowed
    PonU16(c + 21, o.nOffset);
    PonU16(c + 23, o.nLongitud);
  }
  for (const TColumnaJet& c : F_columnas) {
    const size_t n = d.size();
    d.resize(n + 2 + 2 * size_t(c.sNombre.size()));
    PonU16(&d[n], quint16(2 * c.sNombre.size()));
    for (qsizetype k = 0; k < c.sNombre.size(); ++k) PonU16(&d[n + 2 + 2 * size_t(k)], c.sNombre[k].unicode());
  }
  d.push_back(0xFF);
  d.push_back(0xFF);
  PonU32(&d[0x08], quint32(d.size() - 8));
  return d;
}

void TTablaJet::Termina() {
  if (F_datos.Abierta()) CierraPagina(F_datos);
  if (F_lval.Abierta()) CierraPagina(F_lval);
  const std::vector<uint8_t> mapa = ArmaMapa();
  TPaginaFilas mapas;
  mapas.Inicia(F_archivo.Reserva(), 0);
  const quint32 nUsado = mapas.Agrega(mapa.data(), int(mapa.size()));
  static const uint8_t CC_mapaLibre[5] = {};  // free space is never offered: the file is read-only
  const quint32 nLibre = mapas.Agrega(CC_mapaLibre, 5);
  CierraPagina(mapas);

  // The definition, continued at byte 8 of each following page when longer than one page.
  const std::vector<uint8_t> d = ArmaDefinicion(nUsado, nLibre);
  std::array<uint8_t, CC_nPagina> pagina;
  size_t nDesde = 0;
  for (size_t k = 0; k < F_paginasDef.size(); ++k) {
    pagina.fill(0);
    const size_t nCabecera = k == 0 ? 0 : 8;
    const size_t nBytes = std::min(d.size() - nDesde, size_t(CC_nPagina) - nCabecera);
    std::memcpy(pagina.data() + nCabecera, d.data() + nDesde, nBytes);
    nDesde += nBytes;
    pagina[0] = 0x02;
    pagina[1] = 0x01;
    PonU16(&pagina[2], quint16(CC_nPagina - nCabecera - nBytes));
    PonU32(&pagina[4], k + 1 < F_paginasDef.size() ? F_paginasDef[k + 1] : 0);
    F_archivo.Escribe(F_paginasDef[k], pagina.data());
  }
}

}  // namespace mdbgen::jet
