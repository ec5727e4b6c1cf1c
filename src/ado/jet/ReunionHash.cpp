#include "ado/jet/ReunionHash.h"

#include "ado/SentenciaSQLite.h"
#include "ado/jet/AgrupacionHash.h"

#include <sqlite3.h>
#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace ado::jet {

namespace {

using TClase = TExpresion::TClase;

struct TLibera {
  void operator()(sqlite3_value* v) const { sqlite3_value_free(v); }
};

PSentencia Prepara(sqlite3* db, const QString& sSql) {
  sqlite3_stmt* stmt = nullptr;
  const QByteArray sUtf8 = sSql.toUtf8();
  if (sqlite3_prepare_v2(db, sUtf8.constData(), int(sUtf8.size()), &stmt, nullptr) != SQLITE_OK) {
    sqlite3_finalize(stmt);
    return nullptr;
  }
  return PSentencia(stmt);
}

// One FROM item as the join reads it: its columns, and the query over it alone that gives
// the columns the join needs (outputs and join columns), its own filters applied.
struct TTabla {
  const TFuente* pFuente = nullptr;
  QString sAlias;        // upper case
  QStringList columnas;  // upper case, as SELECT * names them
  std::vector<std::unique_ptr<TExpresion>> filtros;
  std::vector<const TExpresion*> leidas;  // the columns read, in order
  std::map<QString, int> posiciones;      // column (upper case) -> its place among those read

  int Lee(const TExpresion& columna) {
    const QString sNombre = columna.sTexto.toUpper();
    const auto [it, bNueva] = posiciones.emplace(sNombre, int(leidas.size()));
    if (bNueva) leidas.push_back(&columna);
    return it->second;
  }
};

struct TColumnaLeida {
  int nTabla;
  int nColumna;
};

// An equality of two tables' columns.
struct TIgualdad {
  TColumnaLeida a, b;
};

// How the join reaches a table: its rows whose column equals one already bound.
struct TPasoReunion {
  int nTabla;
  int nColumna;       // of this table, hashed
  TColumnaLeida origen;  // bound before
  bool bTexto;        // compared as texts under the JET collation, else as integers
  std::vector<TIgualdad> comprobaciones;  // equalities that this table completes
};

enum class TClave { Nula, Valida, Otra };

// A join value's key: an integer by its value, a text by its bytes under the JET collation.
struct TClaveReunion {
  qint64 n = 0;
  std::string s;
  bool Igual(const TClaveReunion& otra, bool bTexto) const { return bTexto ? s == otra.s : n == otra.n; }
};

// Otra for what SQLite's affinities would decide (a real, a blob, a number beside texts).
TClave ClaveDeReunion(sqlite3_value* v, bool bTexto, TClaveReunion& clave) {
  const int nTipo = sqlite3_value_type(v);
  if (nTipo == SQLITE_NULL) return TClave::Nula;
  if (nTipo != (bTexto ? SQLITE_TEXT : SQLITE_INTEGER)) return TClave::Otra;
  if (bTexto) {
    clave.s.clear();
    AgregaClave(clave.s, v, true);
  } else {
    clave.n = sqlite3_value_int64(v);
  }
  return TClave::Valida;
}

// A waiting table's rows by the key of its join column, the rows of one key together and in
// their order: integers in an open-addressing table (most joins are of integer keys, looked
// up once per streamed row), or, when they lie close together (numbered clients, cities,
// currencies), in a table indexed by the key itself: one read per lookup, in less memory,
// where a streamed row's lookup is mostly a cache miss. Texts in a map.
class TIndiceReunion {
 public:
  struct TRango {
    const quint32* p = nullptr;
    size_t n = 0;
  };

  void Agrega(const TClaveReunion& clave, bool bTexto, quint32 nFila) {
    if (bTexto)
      F_textos.emplace_back(clave.s, nFila);
    else
      F_enteros.emplace_back(clave.n, nFila);
  }

  void Termina() {
    std::sort(F_enteros.begin(), F_enteros.end());
    std::sort(F_textos.begin(), F_textos.end());
    if (!F_enteros.empty() &&
        quint64(F_enteros.back().first) - quint64(F_enteros.front().first) < CC_HUECOS_POR_CLAVE * F_enteros.size()) {
      F_nMenor = F_enteros.front().first;
      F_directa.assign(size_t(quint64(F_enteros.back().first) - quint64(F_nMenor)) + 1, TRangoFilas{});
    } else {
      size_t nCasillas = 16;
      while (nCasillas < 2 * F_enteros.size()) nCasillas *= 2;
      F_casillas.assign(nCasillas, TCasilla{});
    }
    for (size_t i = 0; i < F_enteros.size(); ++i) {
      if (i == 0 || F_enteros[i].first != F_enteros[i - 1].first)
        Rango(F_enteros[i].first).nInicio = quint32(F_filas.size());
      ++Rango(F_enteros[i].first).nCuantas;
      F_filas.push_back(F_enteros[i].second);
    }
    for (size_t i = 0; i < F_textos.size(); ++i) {
      ++F_porTexto.try_emplace(F_textos[i].first, TRangoFilas{quint32(F_filas.size()), 0}).first->second.nCuantas;
      F_filas.push_back(F_textos[i].second);
    }
    F_enteros = {};
    F_textos = {};
  }

  TRango Busca(const TClaveReunion& clave, bool bTexto) const {
    if (bTexto) {
      const auto it = F_porTexto.find(clave.s);
      return it == F_porTexto.end() ? TRango{} : Filas(it->second);
    }
    if (!F_directa.empty()) {
      const quint64 nLugar = quint64(clave.n) - quint64(F_nMenor);
      return nLugar < F_directa.size() ? Filas(F_directa[size_t(nLugar)]) : TRango{};
    }
    const size_t nMascara = F_casillas.size() - 1;
    for (size_t i = Hash(clave.n) & nMascara;; i = (i + 1) & nMascara) {
      const TCasilla& casilla = F_casillas[i];
      if (casilla.filas.nCuantas == 0) return {};
      if (casilla.n == clave.n) return Filas(casilla.filas);
    }
  }

 private:
  // Keys spread over at most this many places per row go in the table indexed by key.
  static constexpr quint64 CC_HUECOS_POR_CLAVE = 4;

  struct TRangoFilas {
    quint32 nInicio = 0;
    quint32 nCuantas = 0;  // 0: no row
  };
  struct TCasilla {
    qint64 n = 0;
    TRangoFilas filas;  // nCuantas 0: free
  };

  TRango Filas(const TRangoFilas& rango) const { return {F_filas.data() + rango.nInicio, rango.nCuantas}; }

  static size_t Hash(qint64 n) {
    const quint64 h = quint64(n) * 0x9E3779B97F4A7C15ull;
    return size_t(h ^ (h >> 32));
  }

  // The rows of n while they are counted: its place, or its slot (its own, or the free one
  // where it goes).
  TRangoFilas& Rango(qint64 n) {
    if (!F_directa.empty()) return F_directa[size_t(quint64(n) - quint64(F_nMenor))];
    const size_t nMascara = F_casillas.size() - 1;
    for (size_t i = Hash(n) & nMascara;; i = (i + 1) & nMascara) {
      TCasilla& casilla = F_casillas[i];
      if (casilla.filas.nCuantas == 0) casilla.n = n;
      if (casilla.n == n) return casilla.filas;
    }
  }

  std::vector<std::pair<qint64, quint32>> F_enteros;
  std::vector<std::pair<std::string, quint32>> F_textos;
  std::vector<quint32> F_filas;
  std::vector<TCasilla> F_casillas;
  std::vector<TRangoFilas> F_directa;  // by key - F_nMenor
  qint64 F_nMenor = 0;
  std::unordered_map<std::string, TRangoFilas> F_porTexto;
};

// A join of two large tables stays with SQLite's indexes: holding the smaller one's values
// (some 70 bytes each) would cost more memory than the rest of the run.
constexpr size_t CC_VALORES_EN_MEMORIA = size_t(1) << 22;

class TReunionHash : public IFilasJet {
 public:
  TReunionHash(std::vector<PSentencia> lecturas, int nSonda, std::vector<TPasoReunion> pasos,
               std::vector<TColumnaLeida> salidas)
      : F_lecturas(std::move(lecturas)),
        F_nSonda(nSonda),
        F_pasos(std::move(pasos)),
        F_salidas(std::move(salidas)),
        F_tablas(F_lecturas.size()),
        F_actual(F_lecturas.size(), 0),
        F_filasOrigen(F_pasos.size()),
        F_coincidencias(F_pasos.size()),
        F_indices(F_pasos.size(), 0) {}

  int Paso() override {
    if (!F_bLeidas) {
      F_bLeidas = true;
      if (const int nLectura = LeeTablas(); nLectura != SQLITE_DONE) return F_nError = nLectura;
    }
    if (F_nError != SQLITE_OK) return F_nError;
    if (F_bEnFila) {
      F_bEnFila = Busca(int(F_pasos.size()) - 1, false);
      if (F_nError != SQLITE_OK) return F_nError;
      if (F_bEnFila) return SQLITE_ROW;
    }
    for (;;) {
      const int nPaso = sqlite3_step(Sonda());
      if (nPaso != SQLITE_ROW) return F_nError = nPaso;
      F_bEnFila = Busca(0, true);
      if (F_nError != SQLITE_OK) return F_nError;
      if (F_bEnFila) return SQLITE_ROW;
    }
  }

  int Columnas() const override { return int(F_salidas.size()); }

  sqlite3_value* Valor(int i) override {
    const TColumnaLeida& salida = F_salidas[size_t(i)];
    return ValorDe(salida.nTabla, salida.nColumna);
  }

  bool Texto(int i) const override {
    const TColumnaLeida& salida = F_salidas[size_t(i)];
    return ColumnaDeTexto(sqlite3_column_decltype(F_lecturas[size_t(salida.nTabla)].get(), salida.nColumna));
  }

 private:
  // A table waiting in memory: its rows' values, and its rows by the key of its join column.
  struct TGuardada {
    int nColumnas = 0;
    std::vector<std::unique_ptr<sqlite3_value, TLibera>> valores;
    TIndiceReunion filas;
  };

  sqlite3_stmt* Sonda() const { return F_lecturas[size_t(F_nSonda)].get(); }

  sqlite3_value* ValorDe(int nTabla, int nColumna) {
    if (nTabla == F_nSonda) return sqlite3_column_value(Sonda(), nColumna);
    const TGuardada& tabla = F_tablas[size_t(nTabla)];
    return tabla.valores[size_t(F_actual[size_t(nTabla)]) * size_t(tabla.nColumnas) + size_t(nColumna)].get();
  }

  int LeeTablas() {
    TClaveReunion clave;
    for (const TPasoReunion& paso : F_pasos) {
      sqlite3_stmt* stmt = F_lecturas[size_t(paso.nTabla)].get();
      TGuardada& tabla = F_tablas[size_t(paso.nTabla)];
      tabla.nColumnas = sqlite3_column_count(stmt);
      int nPaso;
      quint32 nFila = 0;
      while ((nPaso = sqlite3_step(stmt)) == SQLITE_ROW) {
        if (tabla.valores.size() >= CC_VALORES_EN_MEMORIA) return CC_OTRO_PLAN;
        for (int i = 0; i < tabla.nColumnas; ++i) {
          tabla.valores.emplace_back(sqlite3_value_dup(sqlite3_column_value(stmt, i)));
          if (!tabla.valores.back()) return SQLITE_NOMEM;
        }
        switch (ClaveDeReunion(sqlite3_column_value(stmt, paso.nColumna), paso.bTexto, clave)) {
          case TClave::Nula: break;
          case TClave::Valida: tabla.filas.Agrega(clave, paso.bTexto, nFila); break;
          case TClave::Otra: return CC_OTRO_PLAN;
        }
        ++nFila;
      }
      if (nPaso != SQLITE_DONE) return nPaso;
      tabla.filas.Termina();
    }
    // The rows of the next step that each row of a waiting table meets, found once per row
    // instead of once per streamed row.
    TClaveReunion claveFila;
    for (size_t k = 0; k < F_pasos.size(); ++k) {
      const TPasoReunion& paso = F_pasos[k];
      if (paso.origen.nTabla == F_nSonda) continue;
      const TGuardada& origen = F_tablas[size_t(paso.origen.nTabla)];
      for (size_t i = size_t(paso.origen.nColumna); i < origen.valores.size(); i += size_t(origen.nColumnas)) {
        auto& [clase, rango] = F_filasOrigen[k].emplace_back();
        clase = ClaveDeReunion(origen.valores[i].get(), paso.bTexto, claveFila);
        if (clase == TClave::Valida) rango = F_tablas[size_t(paso.nTabla)].filas.Busca(claveFila, paso.bTexto);
      }
    }
    return SQLITE_DONE;
  }

  // Moves to the next combination of rows that the bound ones allow, from step k on (bNuevo:
  // k starts afresh with the rows bound before it). False when there is none left.
  bool Busca(int k, bool bNuevo) {
    const int nPasos = int(F_pasos.size());
    while (k >= 0 && k < nPasos) {
      const TPasoReunion& paso = F_pasos[size_t(k)];
      if (bNuevo) {
        F_coincidencias[size_t(k)] = {};
        F_indices[size_t(k)] = 0;
        if (paso.origen.nTabla == F_nSonda) {
          switch (ClaveDeReunion(ValorDe(paso.origen.nTabla, paso.origen.nColumna), paso.bTexto, F_clave)) {
            case TClave::Nula: break;
            case TClave::Valida:
              F_coincidencias[size_t(k)] = F_tablas[size_t(paso.nTabla)].filas.Busca(F_clave, paso.bTexto);
              break;
            case TClave::Otra: F_nError = CC_OTRO_PLAN; return false;
          }
        } else {
          const auto& [clase, rango] = F_filasOrigen[size_t(k)][F_actual[size_t(paso.origen.nTabla)]];
          if (clase == TClave::Otra) {
            F_nError = CC_OTRO_PLAN;
            return false;
          }
          F_coincidencias[size_t(k)] = rango;
        }
      } else {
        ++F_indices[size_t(k)];
      }
      const TIndiceReunion::TRango& coincidencias = F_coincidencias[size_t(k)];
      if (F_indices[size_t(k)] >= coincidencias.n) {
        --k;
        bNuevo = false;
        continue;
      }
      F_actual[size_t(paso.nTabla)] = coincidencias.p[F_indices[size_t(k)]];
      const std::optional<bool> bCumple = Cumple(paso);
      if (!bCumple) return false;
      if (*bCumple) ++k;
      bNuevo = *bCumple;
    }
    return k == nPasos;
  }

  std::optional<bool> Cumple(const TPasoReunion& paso) {
    for (const TIgualdad& igualdad : paso.comprobaciones) {
      const TClave a = ClaveDeReunion(ValorDe(igualdad.a.nTabla, igualdad.a.nColumna), paso.bTexto, F_clave);
      const TClave b = ClaveDeReunion(ValorDe(igualdad.b.nTabla, igualdad.b.nColumna), paso.bTexto, F_otraClave);
      if (a == TClave::Otra || b == TClave::Otra) {
        F_nError = CC_OTRO_PLAN;
        return std::nullopt;
      }
      if (a == TClave::Nula || b == TClave::Nula || !F_clave.Igual(F_otraClave, paso.bTexto)) return false;
    }
    return true;
  }

  std::vector<PSentencia> F_lecturas;  // per table: its query alone
  int F_nSonda;                        // the table that streams
  std::vector<TPasoReunion> F_pasos;   // the others, in the order they are bound
  std::vector<TColumnaLeida> F_salidas;
  std::vector<TGuardada> F_tablas;
  std::vector<quint32> F_actual;  // per table waiting in memory: its bound row
  // per step whose key comes from a waiting table: per row of that table, its key's class
  // and the rows of the step it meets
  std::vector<std::vector<std::pair<TClave, TIndiceReunion::TRango>>> F_filasOrigen;
  std::vector<TIndiceReunion::TRango> F_coincidencias;  // per step: the rows its key found
  std::vector<size_t> F_indices;                            // per step: which of them is bound
  TClaveReunion F_clave, F_otraClave;
  bool F_bLeidas = false;
  bool F_bEnFila = false;
  int F_nError = SQLITE_OK;
};

// The other tables in the order the equalities reach them from nSonda; each equality
// between tables already reached checks the step that reaches the last of them.
std::vector<TPasoReunion> OrdenDeReunion(int nSonda, const std::vector<TIgualdad>& igualdades, size_t nTablas) {
  std::vector<bool> unidas(nTablas, false);
  unidas[size_t(nSonda)] = true;
  std::vector<bool> usadas(igualdades.size(), false);
  const auto Alcanzada = [&](const TIgualdad& igualdad) {
    return unidas[size_t(igualdad.a.nTabla)] && unidas[size_t(igualdad.b.nTabla)];
  };
  std::vector<TPasoReunion> pasos;
  for (size_t i = 0; i < igualdades.size();) {
    TIgualdad igualdad = igualdades[i];
    if (unidas[size_t(igualdad.b.nTabla)]) std::swap(igualdad.a, igualdad.b);
    if (usadas[i] || !unidas[size_t(igualdad.a.nTabla)] || unidas[size_t(igualdad.b.nTabla)]) {
      ++i;
      continue;
    }
    usadas[i] = true;
    unidas[size_t(igualdad.b.nTabla)] = true;
    pasos.push_back({igualdad.b.nTabla, igualdad.b.nColumna, igualdad.a, false, {}});
    for (size_t j = 0; j < igualdades.size(); ++j)
      if (!usadas[j] && Alcanzada(igualdades[j])) {
        usadas[j] = true;
        pasos.back().comprobaciones.push_back(igualdades[j]);
      }
    i = 0;  // a table just reached may reach others
  }
  return pasos;
}

// The query over one table alone: the columns the join reads, with its own filters.
PSentencia Lectura(TTabla& tabla, const TCatalogoJet& catalogo, sqlite3* db) {
  if (tabla.leidas.empty()) return nullptr;
  TConsulta lectura;
  lectura.partes.emplace_back();
  TSelect& sola = lectura.partes.front();
  for (const TExpresion* columna : tabla.leidas) sola.elementos.push_back({Clona(*columna), false, {}, {}});
  sola.fuentes.push_back(Clona(*tabla.pFuente));
  sola.pDonde = Une(std::move(tabla.filtros));
  return Prepara(db, EmiteSQLite(lectura, catalogo));
}

}  // namespace

std::unique_ptr<IFilasJet> ReunePorHash(const TConsulta& consulta, const TCatalogoJet& catalogo, sqlite3* db,
                                        const std::function<qint64(const TFuente&)>& Filas) {
  if (consulta.partes.size() != 1 || !consulta.orden.empty() || consulta.pTransforma) return nullptr;
  const TSelect& select = consulta.partes.front();
  if (select.bDistinct || select.bDistinctRow || select.nTop > 0 || select.pTeniendo || !select.agrupaPor.empty() ||
      select.fuentes.size() < 2)
    return nullptr;

  std::vector<TTabla> tablas;
  for (const auto& fuente : select.fuentes) {
    if (fuente->clase == TFuente::TClase::Union) return nullptr;
    TTabla tabla;
    tabla.pFuente = fuente.get();
    tabla.sAlias = (fuente->sAlias.isEmpty() ? fuente->sNombre : fuente->sAlias).toUpper();
    if (tabla.sAlias.isEmpty()) return nullptr;
    TConsulta todas;
    todas.partes.emplace_back();
    todas.partes.front().elementos.push_back({nullptr, true, {}, {}});
    todas.partes.front().fuentes.push_back(Clona(*fuente));
    const PSentencia stmt = Prepara(db, EmiteSQLite(todas, catalogo));
    if (!stmt) return nullptr;
    for (int i = 0; i < sqlite3_column_count(stmt.get()); ++i)
      tabla.columnas << QString::fromUtf8(sqlite3_column_name(stmt.get(), i)).toUpper();
    tablas.push_back(std::move(tabla));
  }

  // The table a column belongs to: by its qualifier, or the one table that has it.
  const auto TablaDe = [&](const TExpresion& columna) {
    int nTabla = -1;
    for (size_t i = 0; i < tablas.size(); ++i) {
      const bool bEs = columna.sCalificador.isEmpty() ? tablas[i].columnas.contains(columna.sTexto.toUpper())
                                                      : tablas[i].sAlias == columna.sCalificador.toUpper();
      if (!bEs) continue;
      if (nTabla >= 0) return -1;
      nTabla = int(i);
    }
    return nTabla >= 0 && tablas[size_t(nTabla)].columnas.contains(columna.sTexto.toUpper()) ? nTabla : -1;
  };
  // The tables an expression reads; false when a column is unknown or a subquery reads more.
  std::function<bool(const TExpresion&, std::set<int>&)> TablasDe = [&](const TExpresion& e, std::set<int>& leidas) {
    if (e.pConsulta) return false;
    if (e.clase == TClase::Columna) {
      const int nTabla = TablaDe(e);
      if (nTabla < 0) return false;
      leidas.insert(nTabla);
    }
    for (const auto& hijo : e.hijos)
      if (!TablasDe(*hijo, leidas)) return false;
    return true;
  };

  std::vector<TColumnaLeida> salidas;
  for (const TElementoSelect& elemento : select.elementos) {
    if (elemento.bEstrella || !elemento.pExpresion || elemento.pExpresion->clase != TClase::Columna) return nullptr;
    const int nTabla = TablaDe(*elemento.pExpresion);
    if (nTabla < 0) return nullptr;
    salidas.push_back({nTabla, tablas[size_t(nTabla)].Lee(*elemento.pExpresion)});
  }

  std::vector<TIgualdad> igualdades;
  std::vector<std::unique_ptr<TExpresion>> condiciones;  // the equalities stay: tables read their columns
  if (select.pDonde) Conjunciones(Clona(*select.pDonde), condiciones);
  for (auto& condicion : condiciones) {
    std::set<int> leidas;
    if (!TablasDe(*condicion, leidas)) return nullptr;
    if (leidas.size() == 1 && NoFalla(*condicion)) {
      tablas[size_t(*leidas.begin())].filtros.push_back(std::move(condicion));
      continue;
    }
    if (leidas.size() != 2 || condicion->clase != TClase::Binario || condicion->sTexto != QLatin1String("=") ||
        condicion->hijos[0]->clase != TClase::Columna || condicion->hijos[1]->clase != TClase::Columna)
      return nullptr;
    const int a = TablaDe(*condicion->hijos[0]), b = TablaDe(*condicion->hijos[1]);
    igualdades.push_back({{a, tablas[size_t(a)].Lee(*condicion->hijos[0])}, {b, tablas[size_t(b)].Lee(*condicion->hijos[1])}});
  }

  // The largest table streams; the others join in the order the equalities reach them.
  int nSonda = 0;
  std::vector<qint64> filas;
  for (const TTabla& tabla : tablas) filas.push_back(Filas(*tabla.pFuente));
  for (size_t i = 1; i < tablas.size(); ++i)
    if (filas[i] > filas[size_t(nSonda)]) nSonda = int(i);
  // A smaller table with filters of its own is left to SQLite, which starts from its few rows
  // and finds their partners in the largest through an index instead of reading it whole.
  for (size_t i = 0; i < tablas.size(); ++i)
    if (int(i) != nSonda && !tablas[i].filtros.empty()) return nullptr;
  std::vector<TPasoReunion> pasos = OrdenDeReunion(nSonda, igualdades, tablas.size());
  if (pasos.size() + 1 != tablas.size()) return nullptr;  // a table no equality reaches

  std::vector<PSentencia> lecturas;
  for (TTabla& tabla : tablas) {
    lecturas.push_back(Lectura(tabla, catalogo, db));
    if (!lecturas.back()) return nullptr;
  }
  // Texts join as texts only between two text columns; any other pair as integers.
  const auto Declarada = [&](const TColumnaLeida& c) {
    const char* sTipo = sqlite3_column_decltype(lecturas[size_t(c.nTabla)].get(), c.nColumna);
    return sTipo && *sTipo && ColumnaDeTexto(sTipo);
  };
  for (TPasoReunion& paso : pasos) {
    paso.bTexto = Declarada(paso.origen) && Declarada({paso.nTabla, paso.nColumna});
    for (const TIgualdad& igualdad : paso.comprobaciones)
      if (Declarada(igualdad.a) != paso.bTexto || Declarada(igualdad.b) != paso.bTexto) return nullptr;
  }
  return std::make_unique<TReunionHash>(std::move(lecturas), nSonda, std::move(pasos), std::move(salidas));
}

}  // namespace ado::jet
