#include "ado/jet/AgrupacionHash.h"

#include "ado/jet/ReglaAgrupacion.h"
#include "ado/jet/SumaJet.h"
#include "ado/jet/TextoJet.h"

#include <sqlite3.h>
#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

namespace ado::jet {

namespace {

using TClase = TExpresion::TClase;
using TSalida = TAgrupacionHash::TSalida;

const QLatin1String CC_AGRUPADA("jet_agrupada");

// A grouping that keeps more than half of its first rows as groups is left to SQLite: its
// inserts would cost as much as the sort that hashing saves. One over a large table whose
// first rows are nearly all groups of their own (the union of all operations) is left
// sooner: a back office of 100 thousand operations would hash two thirds of them first.
bool ReducePoco(qint64 nFilas, qint64 nGrupos, bool bTablaGrande) {
  return (bTablaGrande && nFilas == CC_FILAS_PRIMERA_PRUEBA && 64 * nGrupos >= 63 * nFilas) ||
         (nFilas == CC_FILAS_DE_PRUEBA && 2 * nGrupos > nFilas);
}

bool EsFuncion(const TExpresion& e, const char* sNombre) {
  return e.clase == TClase::Funcion && e.sTexto.compare(QLatin1String(sNombre), Qt::CaseInsensitive) == 0 &&
         e.hijos.size() == 1;
}

// The key an output column shows: a group column, bare or by its spelling.
int ClaveMostrada(const TExpresion& e, const TSelect& select) {
  return IndiceEnGrupo(EsFuncion(e, "JET_GRAFIA") ? *e.hijos[0] : e, select);
}

bool SelectAgrupable(const TSelect& select) {
  if (select.bDistinct || select.nTop > 0 || select.pTeniendo || select.agrupaPor.empty()) return false;
  for (const auto& grupo : select.agrupaPor)
    if (grupo->clase != TClase::Columna) return false;
  for (const TElementoSelect& elemento : select.elementos) {
    if (elemento.bEstrella || !elemento.pExpresion) return false;
    const TExpresion& e = *elemento.pExpresion;
    if (ClaveMostrada(e, select) < 0 && !EsFuncion(e, "COUNT") && !EsFuncion(e, "SUM")) return false;
  }
  return true;
}

// A key value as SQLite gave it, kept past the row; texts and blobs as bytes of the
// grouping's arena, so that a new group costs no allocation of its own.
struct TValor {
  int nTipo = SQLITE_NULL;
  qint64 n = 0;
  double d = 0;
  size_t nInicio = 0;
  size_t nLargo = 0;
};

class TArena {
 public:
  std::string_view Bytes(const TValor& v) const { return std::string_view(F_s).substr(v.nInicio, v.nLargo); }
  void Guarda(TValor& v, const char* p, size_t n) {
    v.nInicio = F_s.size();
    v.nLargo = n;
    F_s.append(p, n);
  }

 private:
  std::string F_s;
};

bool EsBytes(int nTipo) { return nTipo == SQLITE_TEXT || nTipo == SQLITE_BLOB; }

std::string_view BytesDeValor(sqlite3_value* valor, int nTipo) {
  const void* p = nTipo == SQLITE_TEXT ? static_cast<const void*>(sqlite3_value_text(valor)) : sqlite3_value_blob(valor);
  return std::string_view(static_cast<const char*>(p), size_t(sqlite3_value_bytes(valor)));
}

TValor LeeValor(sqlite3_value* valor, TArena& arena) {
  TValor v;
  v.nTipo = sqlite3_value_type(valor);
  if (v.nTipo == SQLITE_INTEGER) v.n = sqlite3_value_int64(valor);
  if (v.nTipo == SQLITE_FLOAT) v.d = sqlite3_value_double(valor);
  if (EsBytes(v.nTipo)) {
    const std::string_view s = BytesDeValor(valor, v.nTipo);
    arena.Guarda(v, s.data(), s.size());
  }
  return v;
}

void Enlaza(sqlite3_stmt* stmt, int i, const TValor& v, const TArena& arena) {
  switch (v.nTipo) {
    case SQLITE_INTEGER: sqlite3_bind_int64(stmt, i, v.n); break;
    case SQLITE_FLOAT: sqlite3_bind_double(stmt, i, v.d); break;
    case SQLITE_TEXT: sqlite3_bind_text(stmt, i, arena.Bytes(v).data(), int(v.nLargo), SQLITE_STATIC); break;
    case SQLITE_BLOB: sqlite3_bind_blob(stmt, i, arena.Bytes(v).data(), int(v.nLargo), SQLITE_STATIC); break;
    default: sqlite3_bind_null(stmt, i); break;
  }
}

// SQLite's order of values: Null, numbers, texts (by their collation), blobs.
int Compara(const TValor& a, const TValor& b, bool bJet, const TArena& arena) {
  auto Rango = [](int nTipo) { return nTipo == SQLITE_NULL ? 0 : nTipo == SQLITE_TEXT ? 2 : nTipo == SQLITE_BLOB ? 3 : 1; };
  const int nRangoA = Rango(a.nTipo), nRangoB = Rango(b.nTipo);
  if (nRangoA != nRangoB) return nRangoA < nRangoB ? -1 : 1;
  switch (nRangoA) {
    case 0: return 0;
    case 1:
      if (a.nTipo == SQLITE_INTEGER && b.nTipo == SQLITE_INTEGER) return a.n < b.n ? -1 : a.n > b.n ? 1 : 0;
      {
        const double da = a.nTipo == SQLITE_INTEGER ? double(a.n) : a.d, db = b.nTipo == SQLITE_INTEGER ? double(b.n) : b.d;
        return da < db ? -1 : da > db ? 1 : 0;
      }
    case 2:
      if (bJet) return ComparaJet(arena.Bytes(a).data(), int(a.nLargo), arena.Bytes(b).data(), int(b.nLargo));
      [[fallthrough]];
    default: return arena.Bytes(a).compare(arena.Bytes(b));
  }
}

template <typename T>
void AgregaBytes(std::string& clave, const T& valor) {
  clave.append(reinterpret_cast<const char*>(&valor), sizeof valor);
}

}  // namespace

void AgregaClave(std::string& clave, sqlite3_value* valor, bool bJet) {
  const int nTipo = sqlite3_value_type(valor);
  switch (nTipo) {
    case SQLITE_NULL: clave += 'n'; return;
    case SQLITE_INTEGER:
      clave += 'i';
      AgregaBytes(clave, qint64(sqlite3_value_int64(valor)));
      return;
    case SQLITE_FLOAT: {
      const double d = sqlite3_value_double(valor);
      if (d >= -9.2e18 && d <= 9.2e18 && double(qint64(d)) == d) {
        clave += 'i';
        AgregaBytes(clave, qint64(d));
      } else {
        clave += 'r';
        AgregaBytes(clave, d);
      }
      return;
    }
    default: {
      const bool bTexto = nTipo == SQLITE_TEXT;
      const std::string_view s = BytesDeValor(valor, nTipo);
      clave += bTexto && bJet ? 'j' : bTexto ? 't' : 'b';
      const size_t nInicio = clave.size();
      AgregaBytes(clave, quint32(0));
      if (bTexto && bJet)
        AgregaClaveJet(clave, s.data(), int(s.size()));
      else
        clave.append(s);
      const quint32 nLargo = quint32(clave.size() - nInicio);
      std::memcpy(clave.data() + nInicio, &nLargo, sizeof nLargo);
    }
  }
}

namespace {

// The groups, each row of a vector one group (keys and arguments nClaves or nArgumentos
// apart), found by their keys' bytes through an open-addressing table: many groups of few
// rows cost no allocation each.
class TGrupos {
 public:
  TGrupos(int nClaves, int nArgumentos) : F_nClaves(size_t(nClaves)), F_nArgumentos(size_t(nArgumentos)) {}

  size_t Cuantos() const { return F_hashes.size(); }

  // The group of clave; bNuevo when it starts here (its keys still to be set).
  size_t Busca(const std::string& clave, bool& bNuevo) {
    if (2 * (Cuantos() + 1) > F_tabla.size()) Crece();
    const size_t nHash = std::hash<std::string_view>{}(clave);
    const size_t nMascara = F_tabla.size() - 1;
    for (size_t i = nHash & nMascara;; i = (i + 1) & nMascara) {
      const quint32 nEntrada = F_tabla[i];
      if (nEntrada == 0) {
        const size_t g = Cuantos();
        F_tabla[i] = quint32(g + 1);
        F_hashes.push_back(nHash);
        F_inicios.push_back(F_bytesClaves.size());
        F_bytesClaves += clave;
        F_claves.resize(F_claves.size() + F_nClaves);
        F_filas.push_back(0);
        F_cuentas.resize(F_cuentas.size() + F_nArgumentos);
        F_sumas.resize(F_sumas.size() + F_nArgumentos, TSumaJet{});
        bNuevo = true;
        return g;
      }
      const size_t g = nEntrada - 1;
      if (F_hashes[g] == nHash && ClaveDe(g) == clave) {
        bNuevo = false;
        return g;
      }
    }
  }

  TValor& Clave(size_t g, size_t i) { return F_claves[g * F_nClaves + i]; }
  const TValor& Clave(size_t g, size_t i) const { return F_claves[g * F_nClaves + i]; }
  qint64& Filas(size_t g) { return F_filas[g]; }
  qint64 Filas(size_t g) const { return F_filas[g]; }
  qint64& Cuenta(size_t g, size_t n) { return F_cuentas[g * F_nArgumentos + n]; }
  qint64 Cuenta(size_t g, size_t n) const { return F_cuentas[g * F_nArgumentos + n]; }
  TSumaJet& Suma(size_t g, size_t n) { return F_sumas[g * F_nArgumentos + n]; }
  const TSumaJet& Suma(size_t g, size_t n) const { return F_sumas[g * F_nArgumentos + n]; }

 private:
  std::string_view ClaveDe(size_t g) const {
    const size_t nFin = g + 1 < F_inicios.size() ? F_inicios[g + 1] : F_bytesClaves.size();
    return std::string_view(F_bytesClaves).substr(F_inicios[g], nFin - F_inicios[g]);
  }
  void Crece() {
    F_tabla.assign(std::max<size_t>(64, 2 * F_tabla.size()), 0);
    const size_t nMascara = F_tabla.size() - 1;
    for (size_t g = 0; g < Cuantos(); ++g) {
      size_t i = F_hashes[g] & nMascara;
      while (F_tabla[i] != 0) i = (i + 1) & nMascara;
      F_tabla[i] = quint32(g + 1);
    }
  }

  const size_t F_nClaves, F_nArgumentos;
  std::vector<quint32> F_tabla;  // group + 1, 0 where free
  std::vector<size_t> F_hashes;
  std::vector<size_t> F_inicios;
  std::string F_bytesClaves;
  std::vector<TValor> F_claves;
  std::vector<qint64> F_filas;
  std::vector<qint64> F_cuentas;  // per argument: its values that are not Null
  std::vector<TSumaJet> F_sumas;  // per argument
};

}  // namespace

std::optional<TAgrupacionHash> PlanAgrupacionHash(const TConsulta& consulta) {
  if (consulta.partes.size() != 1 || !consulta.orden.empty() || consulta.pTransforma) return std::nullopt;
  const TSelect& select = consulta.partes.front();
  if (!SelectAgrupable(select)) return std::nullopt;
  TAgrupacionHash plan;
  plan.nClaves = int(select.agrupaPor.size());
  plan.pFilas = Clona(consulta);
  TSelect& filas = plan.pFilas->partes.front();
  std::vector<TElementoSelect> elementos;
  for (auto& grupo : filas.agrupaPor) elementos.push_back({std::move(grupo), false, {}, {}});
  int nArgumento = 0;
  for (const TElementoSelect& elemento : filas.elementos) {
    const TExpresion& e = *elemento.pExpresion;
    const int nClave = ClaveMostrada(e, select);
    if (nClave >= 0) {
      plan.salidas.push_back({TSalida::TClase::Clave, nClave});
    } else if (EsConteoDeFilas(e)) {
      plan.salidas.push_back({TSalida::TClase::Filas, 0});
    } else {
      plan.salidas.push_back({EsFuncion(e, "SUM") ? TSalida::TClase::Suma : TSalida::TClase::Valores, nArgumento++});
      elementos.push_back({Clona(*e.hijos[0]), false, {}, {}});
    }
  }
  filas.elementos = std::move(elementos);
  filas.agrupaPor.clear();
  return plan;
}

namespace {

std::unique_ptr<TExpresion> ColumnaAgrupada(const QString& sColumna) { return NuevaColumna(CC_AGRUPADA, sColumna); }

// SUM of a column of the kept grouping: it gives back each group's one value exactly.
std::unique_ptr<TExpresion> SumaAgrupada(const QString& sColumna) {
  return NuevaFuncion(QStringLiteral("SUM"), ColumnaAgrupada(sColumna));
}

}  // namespace

bool AgrupaAparte(TConsulta& consulta, const std::function<QStringList()>& Nombres) {
  if (consulta.partes.size() != 1 || consulta.pTransforma) return false;
  TSelect& select = consulta.partes.front();
  if (!SelectAgrupable(select)) return false;
  for (const TOrden& orden : consulta.orden)
    if (IndiceEnGrupo(*orden.pExpresion, select) < 0 && !EsFuncion(*orden.pExpresion, "COUNT") &&
        !EsFuncion(*orden.pExpresion, "SUM"))
      return false;
  const QStringList nombres = Nombres();
  if (nombres.size() != qsizetype(select.elementos.size())) return false;

  // The kept grouping: every key, then every aggregate the query shows or orders by.
  TSelect agrupada;
  agrupada.fuentes = std::move(select.fuentes);
  agrupada.pDonde = std::move(select.pDonde);
  TSelect exterior;
  for (size_t i = 0; i < select.agrupaPor.size(); ++i) {
    const QString sClave = QStringLiteral("jet_k%1").arg(i + 1);
    exterior.agrupaPor.push_back(ColumnaAgrupada(sClave));
    agrupada.elementos.push_back({Clona(*select.agrupaPor[i]), false, {}, sClave});
  }
  auto Agregado = [&](const TExpresion& e) {
    const QString sColumna = QStringLiteral("jet_a%1").arg(agrupada.elementos.size() + 1);
    agrupada.elementos.push_back({Clona(e), false, {}, sColumna});
    return SumaAgrupada(sColumna);
  };
  // The query groups the kept rows again, one per group, so that its ORDER BY sorts what a
  // grouping gives, ties included, as the query over the rows would.
  for (qsizetype i = 0; i < nombres.size(); ++i) {
    const TExpresion& e = *select.elementos[size_t(i)].pExpresion;
    const int nClave = ClaveMostrada(e, select);
    exterior.elementos.push_back(
        {nClave >= 0 ? ColumnaAgrupada(QStringLiteral("jet_k%1").arg(nClave + 1)) : Agregado(e), false, {}, nombres[i]});
  }
  for (TOrden& orden : consulta.orden) {
    const int nClave = IndiceEnGrupo(*orden.pExpresion, select);
    orden.pExpresion = nClave >= 0 ? ColumnaAgrupada(QStringLiteral("jet_k%1").arg(nClave + 1)) : Agregado(*orden.pExpresion);
  }
  for (auto& grupo : select.agrupaPor) agrupada.agrupaPor.push_back(std::move(grupo));
  auto fuente = std::make_unique<TFuente>();
  fuente->clase = TFuente::TClase::Derivada;
  fuente->sAlias = CC_AGRUPADA;
  fuente->pConsulta = std::make_unique<TConsulta>();
  fuente->pConsulta->partes.push_back(std::move(agrupada));
  exterior.fuentes.push_back(std::move(fuente));
  select = std::move(exterior);
  return true;
}

int AgrupaPorHash(IFilasJet& filas, const TAgrupacionHash& plan, bool bTablaGrande, sqlite3_stmt* insercion,
                  qint64& nGrupos) {
  const int nClaves = plan.nClaves;
  const int nArgumentos = filas.Columnas() - nClaves;
  std::vector<bool> clavesJet;
  for (int i = 0; i < nClaves; ++i) clavesJet.push_back(filas.Texto(i));
  TGrupos grupos(nClaves, nArgumentos);
  TArena arena;
  std::string clave;
  int nPaso;
  qint64 nFilas = 0;
  while ((nPaso = filas.Paso()) == SQLITE_ROW) {
    if (ReducePoco(++nFilas, qint64(grupos.Cuantos()), bTablaGrande)) return CC_REDUCE_POCO;
    clave.clear();
    for (int i = 0; i < nClaves; ++i) AgregaClave(clave, filas.Valor(i), clavesJet[size_t(i)]);
    bool bNuevo = false;
    const size_t g = grupos.Busca(clave, bNuevo);
    ++grupos.Filas(g);
    for (int i = 0; i < nClaves; ++i) {
      TValor& actual = grupos.Clave(g, size_t(i));
      sqlite3_value* valor = filas.Valor(i);
      if (bNuevo) {
        actual = LeeValor(valor, arena);
        continue;
      }
      // A group shows its smallest spelling in binary order: min(x COLLATE BINARY).
      const int nTipo = sqlite3_value_type(valor);
      if (!EsBytes(nTipo) || nTipo != actual.nTipo) continue;
      const std::string_view s = BytesDeValor(valor, nTipo);
      if (s < arena.Bytes(actual)) arena.Guarda(actual, s.data(), s.size());
    }
    for (const TSalida& salida : plan.salidas) {
      if (salida.clase == TSalida::TClase::Valores && sqlite3_value_type(filas.Valor(nClaves + salida.n)) != SQLITE_NULL)
        ++grupos.Cuenta(g, size_t(salida.n));
      if (salida.clase == TSalida::TClase::Suma && !grupos.Suma(g, size_t(salida.n)).Agrega(filas.Valor(nClaves + salida.n)))
        return SQLITE_MISMATCH;
    }
  }
  if (nPaso != SQLITE_DONE) return nPaso;
  // The groups leave in the order of their keys, as SQLite's grouping sorts them.
  std::vector<size_t> orden(grupos.Cuantos());
  for (size_t i = 0; i < orden.size(); ++i) orden[i] = i;
  std::sort(orden.begin(), orden.end(), [&](size_t a, size_t b) {
    for (int i = 0; i < nClaves; ++i)
      if (const int n = Compara(grupos.Clave(a, size_t(i)), grupos.Clave(b, size_t(i)), clavesJet[size_t(i)], arena))
        return n < 0;
    return false;
  });
  for (const size_t g : orden) {
    for (size_t i = 0; i < plan.salidas.size(); ++i) {
      const TSalida& salida = plan.salidas[i];
      const int nParametro = int(i) + 1;
      switch (salida.clase) {
        case TSalida::TClase::Clave: Enlaza(insercion, nParametro, grupos.Clave(g, size_t(salida.n)), arena); break;
        case TSalida::TClase::Filas: sqlite3_bind_int64(insercion, nParametro, grupos.Filas(g)); break;
        case TSalida::TClase::Valores: sqlite3_bind_int64(insercion, nParametro, grupos.Cuenta(g, size_t(salida.n))); break;
        case TSalida::TClase::Suma: {
          const TSumaJet::TTotal total = grupos.Suma(g, size_t(salida.n)).Total();
          switch (total.clase) {
            case TSumaJet::TTotal::TClase::Entero: sqlite3_bind_int64(insercion, nParametro, total.n); break;
            case TSumaJet::TTotal::TClase::Real: sqlite3_bind_double(insercion, nParametro, total.d); break;
            case TSumaJet::TTotal::TClase::Decimal: {
              const QByteArray sClave = total.decimal.Clave();
              sqlite3_bind_blob(insercion, nParametro, sClave.constData(), int(sClave.size()), SQLITE_TRANSIENT);
              break;
            }
            case TSumaJet::TTotal::TClase::Nulo: sqlite3_bind_null(insercion, nParametro); break;
            case TSumaJet::TTotal::TClase::Desborda: return CC_DESBORDA;
          }
        }
      }
    }
    if ((nPaso = sqlite3_step(insercion)) != SQLITE_DONE) return nPaso;
    sqlite3_reset(insercion);
  }
  nGrupos = qint64(grupos.Cuantos());
  return SQLITE_DONE;
}

}  // namespace ado::jet
