#include "ado/jet/EjecutorJet.h"

#include "ado/SentenciaSQLite.h"
#include "ado/jet/AgrupacionHash.h"
#include "ado/jet/Analizador.h"
#include "ado/jet/EmisorSQLite.h"
#include "ado/jet/ErrorJet.h"
#include "ado/jet/ExactoJet.h"
#include "ado/jet/ReglaAgrupacion.h"
#include "ado/jet/ReglaFiltroUnion.h"
#include "ado/jet/ReglaParametros.h"
#include "ado/jet/ReglaPivote.h"
#include "ado/jet/ReglaPreagregado.h"
#include "ado/jet/ReunionHash.h"
#include "ado/jet/ValorSQLite.h"

#include <QRegularExpression>
#include <algorithm>
#include <QStringList>
#include <sqlite3.h>

namespace ado::jet {

namespace {

// A kept index holds every column of a table up to this size: a second copy of a larger
// one (the operations of a large back office) would cost more memory than its lookups save.
constexpr qint64 CC_FILAS_INDICE_CUBIERTO = qint64(1) << 20;

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
// text (or may: computed columns, which have no declared type). A number column keeps
// SQLite's own collation, so that joins with the base tables' number columns can use its
// index. Grouping and spelling rules go by the same test.
QString DeclaracionColumna(const char* sTipo) {
  return QLatin1Char(' ') + QString::fromUtf8(sTipo ? sTipo : "") +
         (ColumnaDeTexto(sTipo) ? QStringLiteral(" COLLATE JET") : QString());
}

// Grouping sorts on its keys in the order written; with the text columns last, most rows
// are told apart by numbers before the slower collation runs. The groups are the same;
// only the order of the kept rows changes, which Jet leaves open without ORDER BY.
void AgrupaTextosAlFinal(TConsulta& consulta, const QStringList& textos) {
  if (consulta.partes.size() != 1 || !consulta.orden.empty()) return;
  auto& grupos = consulta.partes.front().agrupaPor;
  std::stable_partition(grupos.begin(), grupos.end(), [&](const auto& e) {
    return e->clase != TExpresion::TClase::Columna || !textos.contains(e->sTexto.toUpper());
  });
}

// A derived table that only picks rows and columns of one table.
bool SoloFiltra(const TConsulta& consulta) {
  if (consulta.partes.size() != 1 || !consulta.orden.empty()) return false;
  const TSelect& select = consulta.partes.front();
  if (select.bDistinct || EsAgrupada(select) || select.fuentes.size() != 1 ||
      select.fuentes.front()->clase != TFuente::TClase::Tabla)
    return false;
  return std::all_of(select.elementos.begin(), select.elementos.end(), [](const TElementoSelect& e) {
    return e.bEstrella || e.pExpresion->clase == TExpresion::TClase::Columna;
  });
}

// A derived table that reduces its rows: worth keeping even when only its parent reads it.
bool Agrupa(const TConsulta& consulta) {
  for (const TSelect& select : consulta.partes)
    if (select.bDistinct || select.bDistinctRow || EsAgrupada(select)) return true;
  return false;
}

void TablasPorAlias(const TConsulta& consulta, std::map<QString, QString>& tablas);

// The tables of a FROM item that a * (of every table, or of the one qualified) shows whole.
void MarcaCompletas(const TFuente& fuente, const QString& sCalificador, QSet<QString>& completas) {
  switch (fuente.clase) {
    case TFuente::TClase::Tabla: {
      const QString& sNombre = fuente.sAlias.isEmpty() ? fuente.sNombre : fuente.sAlias;
      if (sCalificador.isEmpty() || MismoNombre(sCalificador, sNombre))
        completas.insert(fuente.sNombre.toUpper());
      break;
    }
    case TFuente::TClase::Union:
      MarcaCompletas(*fuente.pIzquierda, sCalificador, completas);
      MarcaCompletas(*fuente.pDerecha, sCalificador, completas);
      break;
    case TFuente::TClase::Derivada: break;  // its own list names what it reads
  }
}

// What a statement reads of the loaded tables: the tables it names (in the order met), every
// name it gives a column anywhere (upper case; a superset, each name taken for every table
// that has such a column), and the tables a * shows whole (upper case).
struct TLecturas {
  QStringList tablas;
  QSet<QString> nombres;
  QSet<QString> completas;
};

void ReuneLecturas(const TConsulta& consulta, TLecturas& lecturas) {
  const std::function<void(const TFuente&)> ReuneDeFuente = [&](const TFuente& fuente) {
    switch (fuente.clase) {
      case TFuente::TClase::Tabla:
        if (!lecturas.tablas.contains(fuente.sNombre, Qt::CaseInsensitive)) lecturas.tablas << fuente.sNombre;
        break;
      case TFuente::TClase::Derivada: ReuneLecturas(*fuente.pConsulta, lecturas); break;
      case TFuente::TClase::Union:
        ReuneDeFuente(*fuente.pIzquierda);
        ReuneDeFuente(*fuente.pDerecha);
        break;
    }
  };
  for (const TSelect& select : consulta.partes) {
    for (const TElementoSelect& elemento : select.elementos)
      if (elemento.bEstrella)
        for (const auto& fuente : select.fuentes) MarcaCompletas(*fuente, elemento.sCalificador, lecturas.completas);
    for (const auto& fuente : select.fuentes) ReuneDeFuente(*fuente);
  }
  RecorreExpresiones(const_cast<TConsulta&>(consulta), [&](std::unique_ptr<TExpresion>& e) {
    if (e->clase == TExpresion::TClase::Columna) lecturas.nombres.insert(e->sTexto.toUpper());
    if (e->pConsulta) ReuneLecturas(*e->pConsulta, lecturas);  // subqueries
  });
}

// Whether SQLite could search a second table for the query (two FROM items, a JOIN, a
// subquery), the only case where its plan builds a throw-away index.
bool BuscaOtraTabla(const TConsulta& consulta) {
  for (const TSelect& select : consulta.partes) {
    if (select.fuentes.size() > 1) return true;
    for (const auto& fuente : select.fuentes)
      if (fuente->clase == TFuente::TClase::Union ||
          (fuente->clase == TFuente::TClase::Derivada && BuscaOtraTabla(*fuente->pConsulta)))
        return true;
  }
  bool bSubconsulta = false;
  RecorreExpresiones(const_cast<TConsulta&>(consulta), [&](std::unique_ptr<TExpresion>& e) {
    bSubconsulta = bSubconsulta || e->pConsulta != nullptr;
  });
  return bSubconsulta;
}

void LeeDeTabla(TFuente& fuente, const QString& sTabla) {
  fuente.clase = TFuente::TClase::Tabla;
  fuente.sNombre = sTabla;
  fuente.pConsulta.reset();
}

void TablasPorAliasFuente(const TFuente& fuente, std::map<QString, QString>& tablas) {
  switch (fuente.clase) {
    case TFuente::TClase::Tabla: {
      const QString sAlias = (fuente.sAlias.isEmpty() ? fuente.sNombre : fuente.sAlias).toUpper();
      const auto [it, bNueva] = tablas.emplace(sAlias, fuente.sNombre);
      if (!bNueva && it->second != fuente.sNombre) it->second.clear();  // the same alias on two levels
      break;
    }
    case TFuente::TClase::Derivada: TablasPorAlias(*fuente.pConsulta, tablas); break;
    case TFuente::TClase::Union:
      TablasPorAliasFuente(*fuente.pIzquierda, tablas);
      TablasPorAliasFuente(*fuente.pDerecha, tablas);
      break;
  }
}

// Alias (upper case) -> table, for every table the query reads; empty when ambiguous.
void TablasPorAlias(const TConsulta& consulta, std::map<QString, QString>& tablas) {
  for (const TSelect& select : consulta.partes)
    for (const auto& fuente : select.fuentes) TablasPorAliasFuente(*fuente, tablas);
}

}  // namespace

TEjecutorJet::TEjecutorJet(sqlite3* db,
                           std::function<void(const QString& sTabla, const TColumnasPedidas& columnas)> AseguraTabla)
    : F_db(db), F_AseguraTabla(std::move(AseguraTabla)), F_Catalogo([this](const QString& s) { return Columnas(s); }) {
  // temporary tables and big sorts stay in memory like the loaded tables
  Ejecuta(QStringLiteral("PRAGMA temp_store = MEMORY"));
}

TSentenciaJet TEjecutorJet::Prepara(const QString& sJet, const TParametrosJet& parametros) {
  auto consulta = AnalizaJet(sJet);
  SustituyeParametros(*consulta, parametros);
  TLecturas lecturas;
  ReuneLecturas(*consulta, lecturas);
  for (const QString& sTabla : lecturas.tablas)
    F_AseguraTabla(sTabla, lecturas.completas.contains(sTabla.toUpper()) ? TColumnasPedidas() : lecturas.nombres);
  F_columnasCargadas.clear();  // the loads may have changed them
  if (consulta->pTransforma) ResuelvePivote(*consulta, [this](const TConsulta& valores) { return LeeValores(valores); });
  const bool bPreagregada = F_bCacheActiva && PreagregaConteos(*consulta);
  FijaGrafiaDeGrupos(*consulta);
  if (F_bCacheActiva) {
    if (!bPreagregada) AgrupaAparteSiReduce(consulta);
    MaterializaConsulta(*consulta, false);
  }
  const TSqlTipado sql = EmiteSQLiteTipado(*consulta, F_Catalogo);
  if (F_bCacheActiva) IndexaComoPideElPlan(*consulta, sql.sSql);
  TSentenciaJet sentencia{PreparaSQLite(sql.sSql), {}};
  // Where the query's typing knows nothing, a stored column's declared type still tells.
  const int nColumnas = sqlite3_column_count(sentencia.pSentencia);
  const bool bTipada = sql.columnas.size() == size_t(nColumnas);
  for (int i = 0; i < nColumnas; ++i) {
    const TTipoJet tipo = bTipada ? sql.columnas[size_t(i)].tipo : TTipoJet::Valor;
    const char* sDeclarado = sqlite3_column_decltype(sentencia.pSentencia, i);
    sentencia.tipos.push_back(tipo == TTipoJet::Valor && sDeclarado ? TipoDeclarado(QString::fromUtf8(sDeclarado)) : tipo);
  }
  return sentencia;
}

void TEjecutorJet::Olvida() {
  for (const auto& [sSql, sTabla] : F_temporales)
    Ejecuta(QStringLiteral("DROP TABLE IF EXISTS temp.") + CitaNombre(sTabla));
  F_temporales.clear();
  F_filas.clear();
  F_enSitio.clear();
  F_columnasTemporales.clear();
  F_columnasDeTexto.clear();
}

void TEjecutorJet::SetCacheActiva(bool bActiva) {
  if (!bActiva) {
    Olvida();
    for (const QString& sIndice : F_indicesBase) Ejecuta(QStringLiteral("DROP INDEX IF EXISTS ") + sIndice);
    F_indicesBase.clear();
  }
  F_bCacheActiva = bActiva;
}

bool TEjecutorJet::CacheActiva() const { return F_bCacheActiva; }

// Texts that differ only in letter case fall in one group; SQLite shows the spelling of the
// group's last row, so the answer would depend on the plan (kept tables or not, which index).
// A grouped text column shows the group's smallest spelling in binary order instead.
void TEjecutorJet::FijaGrafiaDeGrupos(TConsulta& consulta) {
  for (TSelect& select : consulta.partes)
    for (auto& fuente : select.fuentes) FijaGrafiaFuente(*fuente);
  if (consulta.partes.size() != 1 || !EsAgrupada(consulta.partes.front())) return;
  TSelect& select = consulta.partes.front();
  const std::vector<bool>& textos = ColumnasDeTexto(EmiteSQLite(consulta, F_Catalogo));
  for (size_t i = 0; i < select.elementos.size() && i < textos.size(); ++i) {
    TElementoSelect& elemento = select.elementos[i];
    if (!textos[i] || !elemento.pExpresion || IndiceEnGrupo(*elemento.pExpresion, select) < 0) continue;
    if (elemento.sAlias.isEmpty()) elemento.sAlias = elemento.pExpresion->sTexto;
    auto grafia = std::make_unique<TExpresion>();
    grafia->clase = TExpresion::TClase::Funcion;
    grafia->sTexto = QStringLiteral("JET_GRAFIA");
    grafia->pos = elemento.pExpresion->pos;
    grafia->hijos.push_back(std::move(elemento.pExpresion));
    elemento.pExpresion = std::move(grafia);
  }
}

// Which of a statement's columns hold text, as SQLite declares them. Asked once per text: the
// same derived tables come back in statement after statement, and preparing them is costly.
const std::vector<bool>& TEjecutorJet::ColumnasDeTexto(const QString& sSql) {
  auto it = F_columnasDeTexto.find(sSql);
  if (it == F_columnasDeTexto.end()) {
    const PSentencia stmt(PreparaSQLite(sSql));
    std::vector<bool> textos;
    for (int i = 0; i < sqlite3_column_count(stmt.get()); ++i)
      textos.push_back(ColumnaDeTexto(sqlite3_column_decltype(stmt.get(), i)));
    it = F_columnasDeTexto.emplace(sSql, std::move(textos)).first;
  }
  return it->second;
}

void TEjecutorJet::FijaGrafiaFuente(TFuente& fuente) {
  if (fuente.clase == TFuente::TClase::Derivada) FijaGrafiaDeGrupos(*fuente.pConsulta);
  if (fuente.clase == TFuente::TClase::Union) {
    FijaGrafiaFuente(*fuente.pIzquierda);
    FijaGrafiaFuente(*fuente.pDerecha);
  }
}

void TEjecutorJet::MaterializaConsulta(TConsulta& consulta, bool bMaterializada) {
  for (TSelect& select : consulta.partes)
    for (auto& fuente : select.fuentes) MaterializaFuente(*fuente, select.fuentes.size() == 1, bMaterializada);
}

void TEjecutorJet::MaterializaFuente(TFuente& fuente, bool bSolaFuente, bool bPadreMaterializado) {
  switch (fuente.clase) {
    case TFuente::TClase::Tabla: break;
    case TFuente::TClase::Union:
      MaterializaFuente(*fuente.pIzquierda, false, false);
      MaterializaFuente(*fuente.pDerecha, false, false);
      break;
    case TFuente::TClase::Derivada: {
      // A plain filter or union that alone feeds a table being kept streams into it.
      const bool bMaterializar = !(bPadreMaterializado && bSolaFuente && !Agrupa(*fuente.pConsulta));
      if (!bMaterializar && LeeGuardada(fuente)) break;
      MaterializaConsulta(*fuente.pConsulta, bMaterializar);
      if (bMaterializar && !(SoloFiltra(*fuente.pConsulta) && GuardaLaMayoria(*fuente.pConsulta))) Materializa(fuente);
      break;
    }
  }
}

// A derived table that would stream, but that an earlier statement of this snapshot already
// kept, is read from its temporary table: its rows are the same, and computing them again
// (a join of every operation, say) costs what keeping them did.
bool TEjecutorJet::LeeGuardada(TFuente& fuente) {
  if (F_temporales.empty()) return false;
  const auto copia = Clona(*fuente.pConsulta);
  MaterializaConsulta(*copia, true);
  const auto it = F_temporales.find(EmiteSQLiteTipado(*copia, F_Catalogo).sSql);
  if (it == F_temporales.end()) return false;
  LeeDeTabla(fuente, it->second);
  return true;
}

// A top-level grouping that hashing reduces reads a kept grouping of its rows (see
// AgrupaAparte); one that hashing would not reduce stays as written, sorted once.
void TEjecutorJet::AgrupaAparteSiReduce(std::unique_ptr<TConsulta>& consulta) {
  auto copia = Clona(*consulta);
  if (!AgrupaAparte(*copia, [&] { return NombresColumnas(*consulta); })) return;
  TFuente& agrupada = *copia->partes.front().fuentes.front();
  MaterializaConsulta(*agrupada.pConsulta, true);
  Materializa(agrupada, true);
  if (agrupada.clase == TFuente::TClase::Tabla) consulta = std::move(copia);
}

// Replaces the derived table by its temporary table, computing it when this snapshot has
// not seen its text yet. Left inline when its column names repeat, or, with bSoloHash, when
// it cannot be grouped by hashing.
void TEjecutorJet::Materializa(TFuente& fuente, bool bSoloHash) {
  const TSqlTipado sql = EmiteSQLiteTipado(*fuente.pConsulta, F_Catalogo);
  const QString& sSql = sql.sSql;
  auto it = F_temporales.find(sSql);
  if (it == F_temporales.end()) {
    sqlite3_stmt* stmt = PreparaSQLite(sSql);
    QStringList columnas, vistas, textos;
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
      const QString sNombre = QString::fromUtf8(sqlite3_column_name(stmt, i));
      const char* sTipo = sqlite3_column_decltype(stmt, i);
      columnas << CitaNombre(sNombre) + DeclaracionColumna(sTipo);
      vistas << sNombre.toUpper();
      if (ColumnaDeTexto(sTipo)) textos << sNombre.toUpper();
    }
    sqlite3_finalize(stmt);
    if (vistas.removeDuplicates() > 0) return;
    const QString sTabla = QStringLiteral("jet_dt_%1").arg(++F_nTemporales);
    Ejecuta(QStringLiteral("CREATE TEMP TABLE ") + CitaNombre(sTabla) + QStringLiteral(" (") +
            columnas.join(QStringLiteral(", ")) + QLatin1Char(')'));
    const auto Descarta = [&] {  // a half-filled table must not be taken for this text later
      sqlite3_exec(F_db, ("DROP TABLE temp." + CitaNombre(sTabla)).toUtf8().constData(), nullptr, nullptr, nullptr);
    };
    qint64 nFilas = -1;
    try {
      nFilas = Llena(*fuente.pConsulta, sTabla, int(columnas.size()), textos, bSoloHash);
    } catch (...) {
      Descarta();
      throw;
    }
    if (nFilas < 0) {
      Descarta();
      return;
    }
    F_filas[sTabla] = nFilas;
    it = F_temporales.emplace(sSql, sTabla).first;
    F_columnasTemporales[sTabla] = sql.columnas;
  }
  LeeDeTabla(fuente, it->second);
}

// Computes a derived table into its temporary table of nColumnas columns (textos: those that
// hold text); returns its rows, or -1 when bSoloHash and hashing did not group it.
qint64 TEjecutorJet::Llena(TConsulta& consulta, const QString& sTabla, int nColumnas, const QStringList& textos,
                           bool bSoloHash) {
  if (const auto plan = PlanAgrupacionHash(consulta)) {
    const qint64 nGrupos = LlenaPorHash(*plan, sTabla, nColumnas);
    if (nGrupos >= 0) return nGrupos;
  }
  if (bSoloHash) return -1;
  AgrupaTextosAlFinal(consulta, textos);
  FiltraEnLasPartes(consulta, F_Catalogo);
  const QString sCalculo = EmiteSQLite(consulta, F_Catalogo);
  IndexaComoPideElPlan(consulta, sCalculo);
  Ejecuta(QStringLiteral("INSERT INTO temp.") + CitaNombre(sTabla) + QLatin1Char(' ') + sCalculo);
  return sqlite3_changes64(F_db);
}

// The rows of the largest table a FROM item reads.
qint64 TEjecutorJet::FilasDe(const TFuente& fuente) {
  std::map<QString, QString> tablas;
  TablasPorAliasFuente(fuente, tablas);
  qint64 nMayor = 0;
  for (const auto& [sAlias, sTabla] : tablas)
    if (!sTabla.isEmpty()) nMayor = std::max(nMayor, FilasDeTabla(sTabla));
  return nMayor;
}

qint64 TEjecutorJet::FilasDeTabla(const QString& sTabla) {
  if (const auto itFilas = F_filas.find(sTabla); itFilas != F_filas.end()) return itFilas->second;
  const PSentencia stmt(PreparaSQLite(QStringLiteral("SELECT max(rowid) FROM ") + CitaNombre(sTabla)));
  return sqlite3_step(stmt.get()) == SQLITE_ROW ? sqlite3_column_int64(stmt.get(), 0) : 0;
}

// Fills the table by hashing; -1 when the grouping reduces too little for that. A join of
// tables by equal columns is read by hashing too, unless its values ask for SQLite's rules.
qint64 TEjecutorJet::LlenaPorHash(const TAgrupacionHash& plan, const QString& sTabla, int nColumnas) {
  // Each FROM item's size is asked of SQLite once: the grouping's rule for large tables
  // and the join's choice of the table that streams both read it.
  std::map<const TFuente*, qint64> filasPorFuente;
  const auto Filas = [&](const TFuente& fuente) {
    const auto [it, bNueva] = filasPorFuente.try_emplace(&fuente, 0);
    if (bNueva) it->second = FilasDe(fuente);
    return it->second;
  };
  bool bTablaGrande = false;  // it reads a table of at least CC_FILAS_DE_PRUEBA rows
  for (const TSelect& select : plan.pFilas->partes)
    for (const auto& fuente : select.fuentes) bTablaGrande = bTablaGrande || Filas(*fuente) >= CC_FILAS_DE_PRUEBA;
  if (const auto reunion = ReunePorHash(*plan.pFilas, F_Catalogo, F_db, Filas)) {
    const qint64 nGrupos = LlenaPorHash(plan, *reunion, bTablaGrande, sTabla, nColumnas);
    if (nGrupos != CC_OTRO_PLAN) return nGrupos;
  }
  FiltraEnLasPartes(*plan.pFilas, F_Catalogo);
  const QString sFilas = EmiteSQLite(*plan.pFilas, F_Catalogo);
  IndexaComoPideElPlan(*plan.pFilas, sFilas);
  const PSentencia filas(PreparaSQLite(sFilas));
  TFilasSQLite filasSQLite(filas.get());
  return LlenaPorHash(plan, filasSQLite, bTablaGrande, sTabla, nColumnas);
}

// Groups filas into the table: its groups, -1 when the grouping reduces too little, or
// CC_OTRO_PLAN when filas cannot give its rows (nothing inserted either way).
qint64 TEjecutorJet::LlenaPorHash(const TAgrupacionHash& plan, IFilasJet& filas, bool bTablaGrande,
                                  const QString& sTabla, int nColumnas) {
  QStringList parametros;
  for (int i = 0; i < nColumnas; ++i) parametros << QStringLiteral("?");
  const PSentencia insercion(PreparaSQLite(
      QStringLiteral("INSERT INTO temp.") + CitaNombre(sTabla) + QStringLiteral(" VALUES (") + parametros.join(u',') + u')'));
  Ejecuta(QStringLiteral("SAVEPOINT jet_grupos"));  // one transaction for all the inserts
  qint64 nGrupos = 0;
  const int nResultado = AgrupaPorHash(filas, plan, bTablaGrande, insercion.get(), nGrupos);
  if (nResultado == CC_REDUCE_POCO) nGrupos = -1;
  if (nResultado == CC_OTRO_PLAN) nGrupos = CC_OTRO_PLAN;
  if (nResultado != SQLITE_DONE && nResultado != CC_REDUCE_POCO && nResultado != CC_OTRO_PLAN) {
    const QString sMensaje = nResultado == SQLITE_MISMATCH ? QString::fromUtf8(CC_TIPOS_NO_COINCIDEN)
                             : nResultado == CC_DESBORDA   ? QString::fromUtf8(CC_DESBORDAMIENTO)
                                                           : QString::fromUtf8(sqlite3_errmsg(F_db));
    sqlite3_exec(F_db, "ROLLBACK TO jet_grupos; RELEASE jet_grupos", nullptr, nullptr, nullptr);
    LanzaError(MensajeSQLite(sMensaje));
  }
  Ejecuta(QStringLiteral("RELEASE jet_grupos"));
  return nGrupos;
}

// Where SQLite would build a throw-away index to join a kept or loaded table, the index is
// made once and kept with the table, so the next query of the snapshot finds it.
void TEjecutorJet::IndexaComoPideElPlan(const TConsulta& consulta, const QString& sSql) {
  if (!BuscaOtraTabla(consulta)) return;  // asking SQLite for its plan costs a compilation
  std::map<QString, QString> tablas;
  TablasPorAlias(consulta, tablas);
  std::vector<std::pair<QString, bool>> nuevos;  // quoted, with their schema; on a kept table
  for (const auto& [sTabla, columnas] : IndicesAutomaticos(tablas, sSql)) {
    const bool bTemporal = std::any_of(F_temporales.begin(), F_temporales.end(),
                                       [&sBuscada = sTabla](const auto& par) { return par.second == sBuscada; });
    QStringList citadas;
    for (const QString& sColumna : columnas) citadas << CitaNombre(sColumna);
    // The index carries the table's other columns too, so a lookup reads the whole row from
    // it instead of searching the table again by row number; only while that second copy is
    // of a table of at most CC_FILAS_INDICE_CUBIERTO rows.
    if (FilasDeTabla(sTabla) <= CC_FILAS_INDICE_CUBIERTO)
      for (const TColumnaTipada& columna : Columnas(sTabla))
        if (!columnas.contains(columna.sNombre, Qt::CaseInsensitive)) citadas << CitaNombre(columna.sNombre);
    const QString sNombre = (bTemporal ? QStringLiteral("temp.") : QString()) +
                            CitaNombre(QStringLiteral("jet_ix_%1_%2").arg(sTabla, columnas.join(u'_')).toUpper());
    const QString sIndice = QStringLiteral("CREATE INDEX ") + sNombre + QStringLiteral(" ON ") + CitaNombre(sTabla) +
                            QStringLiteral(" (") + citadas.join(QStringLiteral(", ")) + QLatin1Char(')');
    // Only speed depends on it: without the index SQLite builds its own again, same result.
    // One that exists already fails here and stays as it is.
    if (sqlite3_exec(F_db, sIndice.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK)
      nuevos.emplace_back(sNombre, bTemporal);
  }
  if (nuevos.empty()) return;
  // Without row counts SQLite may turn the plan around once the small table has its index:
  // the small table becomes the outer loop and a throw-away index is built on the large one
  // (every operation, for a handful of currencies). Such indexes are dropped again, so the
  // plan stays the one SQLite chose first.
  bool bOtroAutomatico = false;
  IndicesAutomaticos(tablas, sSql, &bOtroAutomatico);
  for (const auto& [sNombre, bTemporal] : nuevos) {
    if (bOtroAutomatico)
      sqlite3_exec(F_db, ("DROP INDEX " + sNombre).toUtf8().constData(), nullptr, nullptr, nullptr);
    else if (!bTemporal)
      F_indicesBase.insert(sNombre);
  }
}

// The throw-away indexes SQLite's plan for sSql would build on the tables the query reads
// (by alias, upper case), as table and columns; with pbAlguno, whether it builds any at all.
std::vector<std::pair<QString, QStringList>> TEjecutorJet::IndicesAutomaticos(const std::map<QString, QString>& tablas,
                                                                           const QString& sSql, bool* pbAlguno) {
  static const QRegularExpression CC_AUTOMATICO(
      QStringLiteral("^SEARCH (.+) USING AUTOMATIC (?:PARTIAL )?(?:COVERING )?INDEX \\((.+)\\)$"));
  static const QRegularExpression CC_IGUAL_A(QStringLiteral("=\\?$"));
  std::vector<std::pair<QString, QStringList>> indices;
  const PSentencia plan(PreparaSQLite(QStringLiteral("EXPLAIN QUERY PLAN ") + sSql));
  while (sqlite3_step(plan.get()) == SQLITE_ROW) {
    const QString sPaso = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(plan.get(), 3)));
    if (pbAlguno && sPaso.contains(QStringLiteral(" USING AUTOMATIC "))) *pbAlguno = true;
    const auto m = CC_AUTOMATICO.match(sPaso);
    const auto it = m.hasMatch() ? tablas.find(m.captured(1).toUpper()) : tablas.end();
    if (it == tablas.end() || it->second.isEmpty()) continue;
    QStringList columnas = m.captured(2).split(QStringLiteral(" AND "));
    for (QString& sColumna : columnas) sColumna.remove(CC_IGUAL_A);
    indices.emplace_back(it->second, columnas);
  }
  return indices;
}

// A filter of a kept table that keeps at least half of its rows is read in place (SQLite
// reads the kept table through its indexes): a copy would cost more than the rows it leaves
// out. A narrower one is copied, so its rows lie together. Decided once per text and snapshot.
bool TEjecutorJet::GuardaLaMayoria(const TConsulta& filtro) {
  const auto itFilas = F_filas.find(filtro.partes.front().fuentes.front()->sNombre);
  if (itFilas == F_filas.end()) return false;
  const QString sSql = EmiteSQLite(filtro, F_Catalogo);
  auto it = F_enSitio.find(sSql);
  if (it == F_enSitio.end()) {
    sqlite3_stmt* stmt = PreparaSQLite(QStringLiteral("SELECT count(*) FROM (") + sSql + QLatin1Char(')'));
    const int nPaso = sqlite3_step(stmt);
    const qint64 nFilas = nPaso == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    if (nPaso != SQLITE_ROW) LanzaError(MensajeSQLite(QString::fromUtf8(sqlite3_errmsg(F_db))));
    it = F_enSitio.emplace(sSql, 2 * nFilas >= itFilas->second).first;
  }
  return it->second;
}

// The names SQLite gives the query's columns.
QStringList TEjecutorJet::NombresColumnas(const TConsulta& consulta) {
  QStringList nombres;
  const PSentencia stmt(PreparaSQLite(EmiteSQLite(consulta, F_Catalogo)));
  for (int i = 0; i < sqlite3_column_count(stmt.get()); ++i) nombres << QString::fromUtf8(sqlite3_column_name(stmt.get(), i));
  return nombres;
}

// The rows of a query of a value and its text (a crosstab's column headings).
std::vector<std::pair<QVariant, QString>> TEjecutorJet::LeeValores(const TConsulta& consulta) {
  std::vector<std::pair<QVariant, QString>> valores;
  const TSqlTipado sql = EmiteSQLiteTipado(consulta, F_Catalogo);
  const TTipoJet tipo = sql.columnas.empty() ? TTipoJet::Valor : sql.columnas.front().tipo;
  sqlite3_stmt* stmt = PreparaSQLite(sql.sSql);
  int nPaso;
  while ((nPaso = sqlite3_step(stmt)) == SQLITE_ROW) {
    QVariant valor;
    switch (sqlite3_column_type(stmt, 0)) {
      case SQLITE_INTEGER:  // a Currency heading is compared as the double nearest it
        if (tipo == TTipoJet::Moneda) valor = DobleDeDiezmilesimas(sqlite3_column_int64(stmt, 0));
        else valor = qint64(sqlite3_column_int64(stmt, 0));
        break;
      case SQLITE_FLOAT: valor = sqlite3_column_double(stmt, 0); break;
      case SQLITE_NULL: break;
      case SQLITE_BLOB:  // a Decimal heading likewise
        if (const auto decimal = TDecimalJet::DeClave(QByteArrayView(static_cast<const char*>(sqlite3_column_blob(stmt, 0)),
                                                                     sqlite3_column_bytes(stmt, 0)))) {
          valor = decimal->Doble();
          break;
        }
        [[fallthrough]];
      default: valor = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))); break;
    }
    valores.emplace_back(valor, QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1))));
  }
  const QString sError = QString::fromUtf8(sqlite3_errmsg(F_db));
  sqlite3_finalize(stmt);
  if (nPaso != SQLITE_DONE) LanzaError(MensajeSQLite(sError));
  return valores;
}

// A kept derived table's columns as its query typed them; a loaded table's from the types
// the loader declared.
TColumnasTipadas TEjecutorJet::Columnas(const QString& sTabla) {
  if (const auto it = F_columnasTemporales.find(sTabla); it != F_columnasTemporales.end()) return it->second;
  if (const auto it = F_columnasCargadas.find(sTabla); it != F_columnasCargadas.end()) return it->second;
  TColumnasTipadas& columnas = F_columnasCargadas[sTabla];
  sqlite3_stmt* stmt = nullptr;
  const QByteArray sPragma = (QStringLiteral("PRAGMA table_info(") + CitaNombre(sTabla) + QLatin1Char(')')).toUtf8();
  if (sqlite3_prepare_v2(F_db, sPragma.constData(), -1, &stmt, nullptr) == SQLITE_OK)
    while (sqlite3_step(stmt) == SQLITE_ROW)
      columnas.push_back({QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1))),
                          TipoDeclarado(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 2))))});
  sqlite3_finalize(stmt);
  return columnas;
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
