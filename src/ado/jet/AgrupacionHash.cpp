#include "ado/jet/AgrupacionHash.h"

#include "ado/jet/ReglaAgrupacion.h"
#include "ado/jet/SumaJet.h"
#include "ado/jet/TextoJet.h"

#include <sqlite3.h>
#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

namespace ado::jet {

namespace {

using TClase = TExpresion::TClase;
using TSalida = TAgrupacionHash::TSalida;

const QLatin1String CC_AGRUPADA("jet_agrupada");

// A grouping that keeps more than half of its first rows as groups is left to SQLite: its
// inserts would cost as much as the sort that hashing saves.
constexpr qint64 CC_FILAS_DE_PRUEBA = 65536;

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

// A value as SQLite gave it, kept past the row.
struct TValor {
  int nTipo = SQLITE_NULL;
  qint64 n = 0;
  double d = 0;
  std::string s;

  void Lee(sqlite3_stmt* stmt, int i) {
    nTipo = sqlite3_column_type(stmt, i);
    if (nTipo == SQLITE_INTEGER) n = sqlite3_column_int64(stmt, i);
    if (nTipo == SQLITE_FLOAT) d = sqlite3_column_double(stmt, i);
    if (nTipo == SQLITE_TEXT || nTipo == SQLITE_BLOB) {
      const void* p = nTipo == SQLITE_TEXT ? static_cast<const void*>(sqlite3_column_text(stmt, i)) : sqlite3_column_blob(stmt, i);
      s.assign(static_cast<const char*>(p), size_t(sqlite3_column_bytes(stmt, i)));
    }
  }

  void Enlaza(sqlite3_stmt* stmt, int i) const {
    switch (nTipo) {
      case SQLITE_INTEGER: sqlite3_bind_int64(stmt, i, n); break;
      case SQLITE_FLOAT: sqlite3_bind_double(stmt, i, d); break;
      case SQLITE_TEXT: sqlite3_bind_text(stmt, i, s.data(), int(s.size()), SQLITE_STATIC); break;
      case SQLITE_BLOB: sqlite3_bind_blob(stmt, i, s.data(), int(s.size()), SQLITE_STATIC); break;
      default: sqlite3_bind_null(stmt, i); break;
    }
  }
};

// SQLite's order of values: Null, numbers, texts (by their collation), blobs.
int Compara(const TValor& a, const TValor& b, bool bJet) {
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
      if (bJet) return ComparaJet(a.s.data(), int(a.s.size()), b.s.data(), int(b.s.size()));
      [[fallthrough]];
    default: return a.s.compare(b.s);
  }
}

template <typename T>
void AgregaBytes(std::string& clave, const T& valor) {
  clave.append(reinterpret_cast<const char*>(&valor), sizeof valor);
}

// Appends column i's value so that two values append the same bytes exactly when SQLite's
// grouping holds them equal: Nulls together, 1 and 1.0 together, texts by their collation.
void AgregaClave(std::string& clave, sqlite3_stmt* stmt, int i, bool bJet) {
  const int nTipo = sqlite3_column_type(stmt, i);
  switch (nTipo) {
    case SQLITE_NULL: clave += 'n'; return;
    case SQLITE_INTEGER:
      clave += 'i';
      AgregaBytes(clave, qint64(sqlite3_column_int64(stmt, i)));
      return;
    case SQLITE_FLOAT: {
      const double d = sqlite3_column_double(stmt, i);
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
      const char* p = bTexto ? reinterpret_cast<const char*>(sqlite3_column_text(stmt, i))
                             : static_cast<const char*>(sqlite3_column_blob(stmt, i));
      const int n = sqlite3_column_bytes(stmt, i);
      clave += bTexto && bJet ? 'j' : bTexto ? 't' : 'b';
      const size_t nInicio = clave.size();
      AgregaBytes(clave, quint32(0));
      if (bTexto && bJet)
        AgregaClaveJet(clave, p, n);
      else
        clave.append(p, size_t(n));
      const quint32 nLargo = quint32(clave.size() - nInicio);
      std::memcpy(clave.data() + nInicio, &nLargo, sizeof nLargo);
    }
  }
}

// min(x COLLATE BINARY): texts byte for byte.
bool EsMenor(const TValor& nuevo, const TValor& actual) {
  return (nuevo.nTipo == SQLITE_TEXT || nuevo.nTipo == SQLITE_BLOB) && nuevo.nTipo == actual.nTipo && nuevo.s < actual.s;
}

struct TGrupo {
  std::vector<TValor> claves;
  qint64 nFilas = 0;
  std::vector<qint64> cuentas;  // per argument: its values that are not Null
  std::vector<TSumaJet> sumas;  // per argument
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

int AgrupaPorHash(sqlite3_stmt* filas, const std::vector<bool>& clavesJet, const TAgrupacionHash& plan,
                  sqlite3_stmt* insercion, qint64& nGrupos) {
  const int nClaves = plan.nClaves;
  const int nArgumentos = sqlite3_column_count(filas) - nClaves;
  std::vector<TGrupo> grupos;
  std::unordered_map<std::string, size_t> indice;
  std::string clave;
  TValor valor;
  int nPaso;
  qint64 nFilas = 0;
  while ((nPaso = sqlite3_step(filas)) == SQLITE_ROW) {
    if (++nFilas == CC_FILAS_DE_PRUEBA && 2 * qint64(grupos.size()) > nFilas) return CC_REDUCE_POCO;
    clave.clear();
    for (int i = 0; i < nClaves; ++i) AgregaClave(clave, filas, i, clavesJet[size_t(i)]);
    const auto [it, bNuevo] = indice.try_emplace(clave, grupos.size());
    if (bNuevo) {
      grupos.emplace_back();
      grupos.back().claves.resize(size_t(nClaves));
      grupos.back().cuentas.resize(size_t(nArgumentos));
      grupos.back().sumas.resize(size_t(nArgumentos), TSumaJet{});
    }
    TGrupo& grupo = grupos[it->second];
    ++grupo.nFilas;
    for (int i = 0; i < nClaves; ++i) {
      valor.Lee(filas, i);
      TValor& actual = grupo.claves[size_t(i)];
      if (bNuevo || EsMenor(valor, actual)) actual = valor;
    }
    for (const TSalida& salida : plan.salidas) {
      if (salida.clase == TSalida::TClase::Valores && sqlite3_column_type(filas, nClaves + salida.n) != SQLITE_NULL)
        ++grupo.cuentas[size_t(salida.n)];
      if (salida.clase == TSalida::TClase::Suma &&
          !grupo.sumas[size_t(salida.n)].Agrega(sqlite3_column_value(filas, nClaves + salida.n)))
        return SQLITE_MISMATCH;
    }
  }
  if (nPaso != SQLITE_DONE) return nPaso;
  // The groups leave in the order of their keys, as SQLite's grouping sorts them.
  std::vector<size_t> orden(grupos.size());
  for (size_t i = 0; i < orden.size(); ++i) orden[i] = i;
  std::sort(orden.begin(), orden.end(), [&](size_t a, size_t b) {
    for (int i = 0; i < nClaves; ++i)
      if (const int n = Compara(grupos[a].claves[size_t(i)], grupos[b].claves[size_t(i)], clavesJet[size_t(i)])) return n < 0;
    return false;
  });
  for (const size_t g : orden) {
    const TGrupo& grupo = grupos[g];
    for (size_t i = 0; i < plan.salidas.size(); ++i) {
      const TSalida& salida = plan.salidas[i];
      const int nParametro = int(i) + 1;
      switch (salida.clase) {
        case TSalida::TClase::Clave: grupo.claves[size_t(salida.n)].Enlaza(insercion, nParametro); break;
        case TSalida::TClase::Filas: sqlite3_bind_int64(insercion, nParametro, grupo.nFilas); break;
        case TSalida::TClase::Valores: sqlite3_bind_int64(insercion, nParametro, grupo.cuentas[size_t(salida.n)]); break;
        case TSalida::TClase::Suma: {
          const TSumaJet::TTotal total = grupo.sumas[size_t(salida.n)].Total();
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
  nGrupos = qint64(grupos.size());
  return SQLITE_DONE;
}

}  // namespace ado::jet
