#pragma once

#include <QtEndian>
#include <QtGlobal>

namespace ado {

// Page types and the row-offset table shared by data, usage-map and long-value pages.
constexpr unsigned char CC_PAGINA_DATOS = 0x01;
constexpr unsigned char CC_PAGINA_DEFINICION = 0x02;
constexpr unsigned char CC_PAGINA_MAPA = 0x05;
constexpr quint32 CC_DUENO_LVAL = 0x4C41564C;  // "LVAL" where a data page names its table

constexpr quint16 CC_FILA_BORRADA = 0x8000;
constexpr quint16 CC_FILA_DESBORDADA = 0x4000;

inline quint16 Le16(const unsigned char* p) { return qFromLittleEndian<quint16>(p); }
inline quint32 Le32(const unsigned char* p) { return qFromLittleEndian<quint32>(p); }

// Where one row of a page lies: bytes [nInicio, nFin), and its offset flags.
struct TFilaPagina {
  int nInicio = 0;
  int nFin = 0;
  quint16 nBanderas = 0;
};

// The page's row count, or -1 when its offset table does not fit the page.
int FilasDePagina(const unsigned char* pPagina, int nTamPagina, int nInicioCuenta);

// Row nFila of a page holding nFilas rows (from FilasDePagina); false when nFila is
// not below nFilas or its offsets fall outside the row area.
bool UbicaFila(const unsigned char* pPagina, int nTamPagina, int nInicioCuenta, int nFilas, int nFila,
               TFilaPagina& Fila);

}  // namespace ado
