#include "ado/jet/EjecutorJet.h"

#include "ado/jet/Analizador.h"
#include "ado/jet/EmisorSQLite.h"
#include "ado/jet/ErrorJet.h"

#include <QStringList>
#include <sqlite3.h>

namespace ado::jet {

namespace {

using TClase = TExpresion::TClase;

// SQLite's messages for what the user got wrong, in the words Jet uses.
QString MensajeSQLite(const QString& sMensaje) {
  static const QLatin1String CC_TABLA("no such table: "), CC_COLUMNA("no such column: ");
  if (sMensaje.startsWith(CC_TABLA))
    return QStringLiteral("No se encuentra la tabla o consulta de entrada '%1'.").arg(sMensaje.mid(CC_TABLA.size()));
  if (sMensaje.startsWith(CC_COLUMNA))
    return QStringLiteral("No se han especificado valores para algunos de los parámetros requeridos "
                          "(columna desconocida '%1').").arg(sMensaje.mid(CC_COLUMNA.size()));
  return sMensaje;
}

// A column of a kept derived table: its source's type; the JET collation where it holds
// text (or may: computed columns). A number column keeps SQLite's own collation, so that
// joins with the base tables' number columns can use its index.
QString DeclaracionColumna(const char* sTipo) {
  if (!sTipo) return QStringLiteral(" COLLATE JET");
  const QString sDeclarado = QString::fromUtf8(sTipo);
  const QString sMayusculas = sDeclarado.toUpper();
  const bool bTexto = sMayusculas.contains(QLatin1String("CHAR")) || sMayusculas.contains(QLatin1String("TEXT")) ||
                      sMayusculas.contains(QLatin1String("CLOB"));
  return QLatin1Char(' ') + sDeclarado + (bTexto ? QStringLiteral(" COLLATE JET") : QString());
}

bool TieneAgregado(const TExpresion& e) {
  if (e.clase == TClase::Funcion) {
    static const QStringList CC_AGREGADOS{"COUNT", "SUM", "MIN", "MAX", "AVG"};
    if (CC_AGREGADOS.contains(e.sTexto, Qt::CaseInsensitive)) return true;
  }
  for (const auto& hijo : e.hijos)
    if (TieneAgregado(*hijo)) return true;
  return false;
}

// A derived table that reduces its rows: worth keeping even when only its parent reads it.
bool Agrupa(const TConsulta& consulta) {
  for (const TSelect& select : consulta.partes) {
    if (select.bDistinct || !select.agrupaPor.empty() || select.pTeniendo) return true;
    for (const TElementoSelect& elemento : select.elementos)
      if (elemento.pExpresion && TieneAgregado(*elemento.pExpresion)) return true;
  }
  return false;
}

void Conjunciones(const TExpresion* e, std::vector<const TExpresion*>& lista) {
  if (!e) return;
  if (e->clase == TClase::Binario && e->sTexto == QLatin1String("AND")) {
    Conjunciones(e->hijos[0].get(), lista);
    Conjunciones(e->hijos[1].get(), lista);
  } else {
    lista.push_back(e);
  }
}

void CondicionesUnion(const TFuente& fuente, std::vector<const TExpresion*>& lista) {
  if (fuente.clase != TFuente::TClase::Union) return;
  Conjunciones(fuente.pCondicion.get(), lista);
  CondicionesUnion(*fuente.pIzquierda, lista);
  CondicionesUnion(*fuente.pDerecha, lista);
}

bool EsLiteral(const TExpresion& e) {
  return e.clase == TClase::Texto || e.clase == TClase::Numero || e.clase == TClase::Fecha;
}

// Columns of sAlias that the select compares for equality with another table's column
// or with a literal: those are worth an index.
QStringList ColumnasUnidas(const TSelect& select, const QString& sAlias) {
  std::vector<const TExpresion*> condiciones;
  Conjunciones(select.pDonde.get(), condiciones);
  for (const auto& fuente : select.fuentes) CondicionesUnion(*fuente, condiciones);
  QStringList columnas;
  auto DeAlias = [&](const TExpresion& e) {
    return e.clase == TClase::Columna && e.sCalificador.compare(sAlias, Qt::CaseInsensitive) == 0;
  };
  for (const TExpresion* c : condiciones) {
    if (c->clase != TClase::Binario || c->sTexto != QLatin1String("=")) continue;
    for (int i = 0; i < 2; ++i) {
      const TExpresion& propia = *c->hijos[i];
      const TExpresion& otra = *c->hijos[1 - i];
      const bool bOtraTabla = otra.clase == TClase::Columna && !otra.sCalificador.isEmpty() && !DeAlias(otra);
      if (DeAlias(propia) && (bOtraTabla || EsLiteral(otra)) && !columnas.contains(propia.sTexto, Qt::CaseInsensitive))
        columnas << propia.sTexto;
    }
  }
  return columnas;
}

}  // namespace

TEjecutorJet::TEjecutorJet(sqlite3* db, std::function<void(const QString& sTabla)> AseguraTabla)
    : F_db(db), F_AseguraTabla(std::move(AseguraTabla)) {
  // temporary tables and big sorts stay in memory like the loaded tables
  Ejecuta(QStringLiteral("PRAGMA temp_store = MEMORY"));
}

sqlite3_stmt* TEjecutorJet::Prepara(const QString& sJet) {
  const auto consulta = AnalizaJet(sJet);
  std::set<QString> vistas;
  AseguraTablas(*consulta, vistas);
  if (F_bCacheActiva) MaterializaConsulta(*consulta, false);
  return PreparaSQLite(EmiteSQLite(*consulta));
}

void TEjecutorJet::Olvida() {
  for (const auto& [sSql, sTabla] : F_temporales)
    Ejecuta(QStringLiteral("DROP TABLE IF EXISTS temp.") + CitaNombre(sTabla));
  F_temporales.clear();
}

void TEjecutorJet::SetCacheActiva(bool bActiva) {
  if (!bActiva) Olvida();
  F_bCacheActiva = bActiva;
}

bool TEjecutorJet::CacheActiva() const { return F_bCacheActiva; }

void TEjecutorJet::AseguraTablas(const TConsulta& consulta, std::set<QString>& vistas) {
  for (const TSelect& select : consulta.partes)
    for (const auto& fuente : select.fuentes) AseguraTablasFuente(*fuente, vistas);
}

void TEjecutorJet::AseguraTablasFuente(const TFuente& fuente, std::set<QString>& vistas) {
  switch (fuente.clase) {
    case TFuente::TClase::Tabla:
      if (vistas.insert(fuente.sNombre.toUpper()).second) F_AseguraTabla(fuente.sNombre);
      break;
    case TFuente::TClase::Derivada: AseguraTablas(*fuente.pConsulta, vistas); break;
    case TFuente::TClase::Union:
      AseguraTablasFuente(*fuente.pIzquierda, vistas);
      AseguraTablasFuente(*fuente.pDerecha, vistas);
      break;
  }
}

void TEjecutorJet::MaterializaConsulta(TConsulta& consulta, bool bMaterializada) {
  for (TSelect& select : consulta.partes)
    for (auto& fuente : select.fuentes) MaterializaFuente(*fuente, select, bMaterializada);
}

void TEjecutorJet::MaterializaFuente(TFuente& fuente, const TSelect& select, bool bPadreMaterializado) {
  switch (fuente.clase) {
    case TFuente::TClase::Tabla: IndexaUniones(fuente, select); break;
    case TFuente::TClase::Union:
      MaterializaFuente(*fuente.pIzquierda, select, false);
      MaterializaFuente(*fuente.pDerecha, select, false);
      break;
    case TFuente::TClase::Derivada: {
      // A plain filter or union that alone feeds a table being kept streams into it.
      const bool bSolaFuente = select.fuentes.size() == 1 && select.fuentes[0].get() == &fuente;
      const bool bMaterializar = !(bPadreMaterializado && bSolaFuente && !Agrupa(*fuente.pConsulta));
      MaterializaConsulta(*fuente.pConsulta, bMaterializar);
      if (bMaterializar && Materializa(fuente)) IndexaUniones(fuente, select);
      break;
    }
  }
}

// Replaces the derived table by its temporary table, computing it when this snapshot has
// not seen its text yet. False (left inline) when its column names repeat.
bool TEjecutorJet::Materializa(TFuente& fuente) {
  const QString sSql = EmiteSQLite(*fuente.pConsulta);
  auto it = F_temporales.find(sSql);
  if (it == F_temporales.end()) {
    sqlite3_stmt* stmt = PreparaSQLite(sSql);
    QStringList columnas, vistas;
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
      const QString sNombre = QString::fromUtf8(sqlite3_column_name(stmt, i));
      const char* sTipo = sqlite3_column_decltype(stmt, i);
      columnas << CitaNombre(sNombre) + DeclaracionColumna(sTipo);
      vistas << sNombre.toUpper();
    }
    sqlite3_finalize(stmt);
    if (vistas.removeDuplicates() > 0) return false;
    const QString sTabla = QStringLiteral("jet_dt_%1").arg(++F_nTemporales);
    Ejecuta(QStringLiteral("CREATE TEMP TABLE ") + CitaNombre(sTabla) + QStringLiteral(" (") +
            columnas.join(QStringLiteral(", ")) + QLatin1Char(')'));
    Ejecuta(QStringLiteral("INSERT INTO temp.") + CitaNombre(sTabla) + QLatin1Char(' ') + sSql);
    it = F_temporales.emplace(sSql, sTabla).first;
  }
  fuente.clase = TFuente::TClase::Tabla;
  fuente.sNombre = it->second;
  fuente.pConsulta.reset();
  return true;
}

void TEjecutorJet::IndexaUniones(const TFuente& fuente, const TSelect& select) {
  const QString sAlias = fuente.sAlias.isEmpty() ? fuente.sNombre : fuente.sAlias;
  const bool bTemporal = F_temporales.end() != std::find_if(F_temporales.begin(), F_temporales.end(),
                                                            [&](const auto& par) { return par.second == fuente.sNombre; });
  for (const QString& sColumna : ColumnasUnidas(select, sAlias)) {
    const QString sIndice = QStringLiteral("jet_ix_%1_%2").arg(fuente.sNombre, sColumna).toUpper();
    const QString sSql = QStringLiteral("CREATE INDEX IF NOT EXISTS ") +
                         (bTemporal ? QStringLiteral("temp.") : QString()) + CitaNombre(sIndice) +
                         QStringLiteral(" ON ") + CitaNombre(fuente.sNombre) + QStringLiteral(" (") +
                         CitaNombre(sColumna) + QLatin1Char(')');
    // An unknown column is reported by the query itself, with Jet's words.
    sqlite3_exec(F_db, sSql.toUtf8().constData(), nullptr, nullptr, nullptr);
  }
}

void TEjecutorJet::Ejecuta(const QString& sSql) {
  char* sError = nullptr;
  if (sqlite3_exec(F_db, sSql.toUtf8().constData(), nullptr, nullptr, &sError) != SQLITE_OK) {
    const QString sMensaje = QString::fromUtf8(sError ? sError : sqlite3_errmsg(F_db));
    sqlite3_free(sError);
    LanzaError(MensajeSQLite(sMensaje));
  }
}

sqlite3_stmt* TEjecutorJet::PreparaSQLite(const QString& sSql) {
  sqlite3_stmt* stmt = nullptr;
  const QByteArray sUtf8 = sSql.toUtf8();
  if (sqlite3_prepare_v2(F_db, sUtf8.constData(), int(sUtf8.size()), &stmt, nullptr) != SQLITE_OK) {
    const QString sMensaje = QString::fromUtf8(sqlite3_errmsg(F_db));
    sqlite3_finalize(stmt);
    LanzaError(MensajeSQLite(sMensaje));
  }
  return stmt;
}

}  // namespace ado::jet
