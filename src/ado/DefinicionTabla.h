#pragma once

#include "ado/ArchivoMdb.h"

#include <QList>
#include <QString>

namespace ado {

// Jet column type codes.
enum TTipoJet : int {
  CC_JET_BOOLEANO = 0x01,
  CC_JET_BYTE = 0x02,
  CC_JET_ENTERO = 0x03,
  CC_JET_LARGO = 0x04,
  CC_JET_MONEDA = 0x05,
  CC_JET_SIMPLE = 0x06,
  CC_JET_DOBLE = 0x07,
  CC_JET_FECHA = 0x08,
  CC_JET_BINARIO = 0x09,
  CC_JET_TEXTO = 0x0A,
  CC_JET_OLE = 0x0B,
  CC_JET_MEMO = 0x0C,
  CC_JET_GUID = 0x0F,
  CC_JET_NUMERICO = 0x10
};

// A column as the table definition describes it.
struct TColumnaJet {
  QString sNombre;
  int nTipo = 0;  // TTipoJet
  int nTamano = 0;
  bool bFija = false;
  int nInicioFijo = 0;
  int nNumVariable = 0;
  int nNumFila = 0;  // the column number: its bit in the null mask
  int nPrecision = 0;  // Decimal: its digits (1 to 28) ...
  int nEscala = 0;     // ... of which decimals
};

// What a table definition page (and its continuation pages) says.
struct TDefinicionTabla {
  qint64 nFilas = 0;  // the stored row count
  int nVariables = 0;
  quint32 nMapaUso = 0;          // (page << 8 | row) of the used-pages map
  QList<TColumnaJet> Columnas;  // by column number
};

// A name Jet accepts for a table or column: 1 to 64 characters, no control characters,
// none of . ! ` [ ], not starting with a blank.
bool NombreJetValido(const QString& sNombre);

// Reads and checks the definition of a catalogue table: continuation pages, column
// descriptors and names (1 to 64 characters, none Jet forbids, no two alike).
// Throws the damaged-file error naming the table.
TDefinicionTabla LeeDefinicion(const TArchivoMdb& Archivo, const TEntradaTabla& Entrada);

}  // namespace ado
