#include "ado/DefinicionTabla.h"

#include "ado/ErrorADO.h"
#include "ado/PaginaJet.h"
#include "ado/TextoJet.h"

#include <QSet>
#include <algorithm>
#include <vector>

namespace ado {
namespace {

// Offsets of the definition and of a column descriptor, Jet 3 and Jet 4.
struct TFormatoDefinicion {
  int nFilas, nMaxColumnas, nVariables, nColumnas, nIndicesReales, nMapaUso, nInicioColumnas, nTamIndice;
  int nTamColumna, nNumColumna, nNumVariable, nPrecision, nEscala, nBanderas, nInicioFijo, nTamano;
};
// Decimal's precision comes before its scale (Jet 3 has no Decimal type).
constexpr TFormatoDefinicion CC_JET3 = {12, 21, 23, 25, 31, 35, 43, 8, 18, 1, 3, 9, 10, 13, 14, 16};
constexpr TFormatoDefinicion CC_JET4 = {16, 41, 43, 45, 51, 55, 63, 12, 25, 5, 7, 11, 12, 15, 21, 23};
constexpr int CC_MAX_DIGITOS_DECIMAL = 28;
constexpr int CC_MAX_COLUMNAS = 255;
constexpr int CC_MAX_NOMBRE = 64;

}  // namespace

bool NombreJetValido(const QString& sNombre) {
  if (sNombre.isEmpty() || sNombre.size() > CC_MAX_NOMBRE || sNombre.front() == u' ') return false;
  for (const QChar c : sNombre)
    if (c.unicode() < 0x20 || c == u'.' || c == u'!' || c == u'`' || c == u'[' || c == u']' || c == QChar::ReplacementCharacter)
      return false;
  return true;
}

TDefinicionTabla LeeDefinicion(const TArchivoMdb& Archivo, const TEntradaTabla& Entrada) {
  const auto Danada = [&](const QString& sDetalle) { return ErrorDanada(Archivo.Ruta(), Entrada.sNombre, sDetalle); };
  const int nTamPagina = Archivo.TamPagina();
  const TFormatoDefinicion& F = Archivo.EsJet3() ? CC_JET3 : CC_JET4;

  // The definition is one byte stream: the first page whole, then each continuation page after its 8-byte header.
  std::vector<unsigned char> d(static_cast<size_t>(nTamPagina));
  if (!Archivo.LeePagina(Entrada.nPagina, d.data()) || d[0] != CC_PAGINA_DEFINICION)
    throw Danada(QStringLiteral("página de la definición"));
  QSet<quint32> Vistas{Entrada.nPagina};
  std::vector<unsigned char> Pagina(static_cast<size_t>(nTamPagina));
  for (quint32 nSiguiente = Le32(d.data() + 4); nSiguiente != 0; nSiguiente = Le32(Pagina.data() + 4)) {
    if (Vistas.contains(nSiguiente) || !Archivo.LeePagina(nSiguiente, Pagina.data()) || Pagina[0] != CC_PAGINA_DEFINICION)
      throw Danada(QStringLiteral("página de continuación de la definición"));
    Vistas.insert(nSiguiente);
    d.insert(d.end(), Pagina.begin() + 8, Pagina.end());
  }

  TDefinicionTabla Def;
  Def.nFilas = Le32(d.data() + F.nFilas);
  Def.nVariables = Le16(d.data() + F.nVariables);
  const int nColumnas = Le16(d.data() + F.nColumnas);
  // The next column number: deleted columns keep theirs, and their variable slots, until a compact.
  const int nMaxColumnas = Le16(d.data() + F.nMaxColumnas);
  const quint32 nIndices = Le32(d.data() + F.nIndicesReales);
  Def.nMapaUso = Le32(d.data() + F.nMapaUso);
  if (nColumnas < 1 || nMaxColumnas > CC_MAX_COLUMNAS || nColumnas > nMaxColumnas || Def.nVariables > nMaxColumnas ||
      nIndices > quint32(d.size()))
    throw Danada(QStringLiteral("número de columnas"));
  size_t nPos = size_t(F.nInicioColumnas) + size_t(nIndices) * size_t(F.nTamIndice);
  if (nPos + size_t(nColumnas) * size_t(F.nTamColumna) > d.size()) throw Danada(QStringLiteral("columnas"));
  QSet<int> Numeros;
  for (int i = 0; i < nColumnas; ++i, nPos += size_t(F.nTamColumna)) {
    const unsigned char* c = d.data() + nPos;
    TColumnaJet Columna;
    Columna.nTipo = c[0];
    Columna.nNumFila = Le16(c + F.nNumColumna);
    if (Columna.nNumFila >= nMaxColumnas) throw Danada(QStringLiteral("número de columna"));
    Columna.nNumVariable = Le16(c + F.nNumVariable);
    if (Columna.nTipo == CC_JET_NUMERICO) {
      Columna.nPrecision = c[F.nPrecision];
      Columna.nEscala = c[F.nEscala];
      if (Columna.nPrecision < 1 || Columna.nPrecision > CC_MAX_DIGITOS_DECIMAL || Columna.nEscala > Columna.nPrecision)
        throw Danada(QStringLiteral("precisión y escala de una columna decimal"));
    }
    Columna.bFija = c[F.nBanderas] & 0x01;
    // A variable column's number beyond the table's count would read as empty in every row.
    if (!Columna.bFija && Columna.nNumVariable >= Def.nVariables)
      throw Danada(QStringLiteral("número de columna variable"));
    Columna.nInicioFijo = Le16(c + F.nInicioFijo);
    Columna.nTamano = Columna.nTipo == CC_JET_BOOLEANO ? 0 : Le16(c + F.nTamano);
    if (Numeros.contains(Columna.nNumFila)) throw Danada(QStringLiteral("número de columna repetido"));
    Numeros.insert(Columna.nNumFila);
    Def.Columnas.append(Columna);
  }
  // No two columns share stored bytes: one value read as many columns would multiply the table in memory.
  QSet<int> Variables;
  std::vector<std::pair<int, int>> Fijas;
  for (const TColumnaJet& Columna : Def.Columnas) {
    if (!Columna.bFija) {
      if (Variables.contains(Columna.nNumVariable)) throw Danada(QStringLiteral("columnas que comparten su valor"));
      Variables.insert(Columna.nNumVariable);
    } else if (Columna.nTipo != CC_JET_BOOLEANO) {
      Fijas.emplace_back(Columna.nInicioFijo, Columna.nInicioFijo + Columna.nTamano);
    }
  }
  std::sort(Fijas.begin(), Fijas.end());
  for (size_t i = 1; i < Fijas.size(); ++i)
    if (Fijas[i].first < Fijas[i - 1].second) throw Danada(QStringLiteral("columnas que comparten su valor"));
  QSet<QString> Nombres;
  for (TColumnaJet& Columna : Def.Columnas) {
    const size_t nTamLargo = Archivo.EsJet3() ? 1 : 2;
    if (nPos + nTamLargo > d.size()) throw Danada(QStringLiteral("nombres de columnas"));
    const size_t nLargo = Archivo.EsJet3() ? d[nPos] : Le16(d.data() + nPos);
    nPos += nTamLargo;
    if (nPos + nLargo > d.size()) throw Danada(QStringLiteral("nombres de columnas"));
    std::string sNombre;
    if (Archivo.EsJet3()) AgregaTextoJet3(d.data() + nPos, int(nLargo), Archivo.CodigoJet3(), sNombre);
    else AgregaTextoJet4(d.data() + nPos, int(nLargo), sNombre);
    nPos += nLargo;
    Columna.sNombre = QString::fromStdString(sNombre);
    const QString sClave = Columna.sNombre.toCaseFolded();
    if (!NombreJetValido(Columna.sNombre) || Nombres.contains(sClave))
      throw Danada(QStringLiteral("nombre de columna no válido"));
    Nombres.insert(sClave);
  }
  std::stable_sort(Def.Columnas.begin(), Def.Columnas.end(),
                   [](const TColumnaJet& a, const TColumnaJet& b) { return a.nNumFila < b.nNumFila; });
  return Def;
}

}  // namespace ado
