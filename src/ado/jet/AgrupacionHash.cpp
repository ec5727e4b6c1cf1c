#include "ado/jet/AgrupacionHash.h"

#include "ado/jet/ReglaAgrupacion.h"
#include "ado/jet/TextoJet.h"

#include <sqlite3.h>
#include <cstring>
#include <string>
#include <unordered_map>

namespace ado::jet {

namespace {

using TClase = TExpresion::TClase;

bool EsGrafia(const TExpresion& e) {
  return e.clase == TClase::Funcion && e.sTexto == QLatin1String("JET_GRAFIA") && e.hijos.size() == 1;
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

// min(x COLLATE BINARY): Nulls left out, texts byte for byte.
bool EsMenor(const TValor& nuevo, const TValor& actual) {
  if (nuevo.nTipo == SQLITE_NULL) return false;
  if (actual.nTipo == SQLITE_NULL) return true;
  if ((nuevo.nTipo == SQLITE_TEXT || nuevo.nTipo == SQLITE_BLOB) && nuevo.nTipo == actual.nTipo) return nuevo.s < actual.s;
  return false;  // numbers of one group are equal
}

struct TGrupo {
  std::vector<TValor> valores;  // one per key
  qint64 nFilas = 0;
};

}  // namespace

std::optional<TAgrupacionHash> PlanAgrupacionHash(const TConsulta& consulta) {
  if (consulta.partes.size() != 1 || !consulta.orden.empty() || consulta.pTransforma) return std::nullopt;
  const TSelect& select = consulta.partes.front();
  if (select.bDistinct || select.nTop > 0 || select.pTeniendo || select.agrupaPor.empty()) return std::nullopt;
  for (const auto& grupo : select.agrupaPor)
    if (grupo->clase != TClase::Columna) return std::nullopt;
  TAgrupacionHash plan;
  for (const TElementoSelect& elemento : select.elementos) {
    if (elemento.bEstrella || !elemento.pExpresion) return std::nullopt;
    const TExpresion& e = *elemento.pExpresion;
    const bool bGrafia = EsGrafia(e);
    const int nClave = IndiceEnGrupo(bGrafia ? *e.hijos[0] : e, select);
    if (nClave < 0 && !EsConteoDeFilas(e)) return std::nullopt;
    plan.salidas.push_back(nClave);
  }
  plan.pFilas = Clona(consulta);
  TSelect& filas = plan.pFilas->partes.front();
  filas.elementos.clear();
  for (auto& grupo : filas.agrupaPor) filas.elementos.push_back({std::move(grupo), false, {}, {}});
  filas.agrupaPor.clear();
  return plan;
}

int AgrupaPorHash(sqlite3_stmt* filas, const std::vector<bool>& clavesJet,
                  const std::vector<int>& salidas, sqlite3_stmt* insercion, qint64& nGrupos) {
  const int nClaves = int(clavesJet.size());
  std::vector<TGrupo> grupos;
  std::unordered_map<std::string, size_t> indice;
  std::string clave;
  TValor valor;
  int nPaso;
  while ((nPaso = sqlite3_step(filas)) == SQLITE_ROW) {
    clave.clear();
    for (int i = 0; i < nClaves; ++i) AgregaClave(clave, filas, i, clavesJet[size_t(i)]);
    const auto [it, bNuevo] = indice.try_emplace(clave, grupos.size());
    if (bNuevo) {
      grupos.emplace_back();
      grupos.back().valores.resize(size_t(nClaves));
    }
    TGrupo& grupo = grupos[it->second];
    ++grupo.nFilas;
    for (int i = 0; i < nClaves; ++i) {
      valor.Lee(filas, i);
      TValor& actual = grupo.valores[size_t(i)];
      if (bNuevo || EsMenor(valor, actual)) actual = valor;
    }
  }
  if (nPaso != SQLITE_DONE) return nPaso;
  for (const TGrupo& grupo : grupos) {
    for (size_t i = 0; i < salidas.size(); ++i) {
      if (salidas[i] < 0)
        sqlite3_bind_int64(insercion, int(i) + 1, grupo.nFilas);
      else
        grupo.valores[size_t(salidas[i])].Enlaza(insercion, int(i) + 1);
    }
    if ((nPaso = sqlite3_step(insercion)) != SQLITE_DONE) return nPaso;
    sqlite3_reset(insercion);
  }
  nGrupos = qint64(grupos.size());
  return SQLITE_DONE;
}

}  // namespace ado::jet
