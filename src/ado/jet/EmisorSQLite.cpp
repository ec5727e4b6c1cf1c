#include "ado/jet/EmisorSQLite.h"

#include "ado/jet/ErrorJet.h"
#include "ado/jet/ReglaAgrupacion.h"
#include "ado/jet/ReglasJet.h"

#include <QStringList>

namespace ado::jet {

namespace {

using TClase = TExpresion::TClase;

bool EsLogicoAndOr(const TExpresion& e);

TResultado Resultado(const TExpresion& e) {
  switch (e.clase) {
    case TClase::Numero:
    case TClase::Fecha:
    case TClase::Booleano: return TResultado::Numero;
    case TClase::Like:
    case TClase::EsNulo:
    case TClase::Entre:
    case TClase::En:
    case TClase::Existe:
    case TClase::Cuantificada: return TResultado::Logico;
    case TClase::Funcion: return ReglaFuncion(e.sTexto)->resultado;
    case TClase::Unario:
      if (e.sTexto == QLatin1String("NOT") && Resultado(*e.hijos[0]) == TResultado::Logico) return TResultado::Logico;
      return e.sTexto == QLatin1String("+") ? Resultado(*e.hijos[0]) : TResultado::Numero;
    case TClase::Binario:
      if (e.sTexto == QLatin1String("AND") || e.sTexto == QLatin1String("OR"))
        return EsLogicoAndOr(e) ? TResultado::Logico : TResultado::Numero;
      if (e.sTexto == QLatin1String("+") && Resultado(*e.hijos[0]) != TResultado::Valor &&
          Resultado(*e.hijos[1]) != TResultado::Valor)
        return TResultado::Numero;
      return ReglaOperador(e.sTexto)->resultado;
    default: return TResultado::Valor;
  }
}

// Null beside a truth keeps the logical form: True Or Null is True, as in Jet.
bool EsLogicoAndOr(const TExpresion& e) {
  auto Logico = [](const TExpresion& x) { return x.clase == TClase::Nulo || Resultado(x) == TResultado::Logico; };
  return Logico(*e.hijos[0]) && Logico(*e.hijos[1]);
}

// One pass, so an argument that contains "%2" (a LIKE pattern) is never substituted again.
// %* stands for every argument, comma-separated.
QString Aplica(const char* sPlantilla, const QStringList& argumentos) {
  QString s;
  for (const char* p = sPlantilla; *p; ++p) {
    if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') {
      s += argumentos[p[1] - '1'];
      ++p;
    } else if (p[0] == '%' && p[1] == '*') {
      s += argumentos.join(QStringLiteral(", "));
      ++p;
    } else {
      s += QLatin1Char(*p);
    }
  }
  return s;
}

// Shorter chains of equalities stay as written.
constexpr size_t CC_TERMINOS_EN_LISTA = 8;

// A FROM item as the expressions of its SELECT see it.
struct TFuenteTipada {
  QString sAlias;
  TColumnasTipadas columnas;
};

struct TAmbito {
  std::vector<TFuenteTipada> fuentes;
  const TAmbito* pPadre = nullptr;
};

// A result column before its name is final.
struct TSalida {
  QString sExpresion;
  QString sNombre;
  TTipoJet tipo;
  QString sCalificador;  // a column's table or alias; empty for expressions and aliases
  bool bEstrella;        // comes from * or alias.*
};

// Jet names a result column that repeats another's name after its table: Orders.CustomerID.
void CalificaRepetidos(std::vector<TSalida>& salidas) {
  std::vector<bool> repetidos(salidas.size(), false);
  for (size_t i = 0; i < salidas.size(); ++i)
    for (size_t j = i + 1; j < salidas.size(); ++j)
      if (MismoNombre(salidas[i].sNombre, salidas[j].sNombre)) repetidos[i] = repetidos[j] = true;
  for (size_t i = 0; i < salidas.size(); ++i)
    if (repetidos[i] && !salidas[i].sCalificador.isEmpty())
      salidas[i].sNombre = salidas[i].sCalificador + QLatin1Char('.') + salidas[i].sNombre;
}

class TEmisor {
 public:
  explicit TEmisor(const TCatalogoJet& catalogo) : F_catalogo(catalogo) {}

  TSqlTipado Consulta(const TConsulta& consulta, const TAmbito* pPadre) {
    if (consulta.pTransforma) LanzaError(QStringLiteral("TRANSFORM necesita la base de datos para sus columnas"));
    if (consulta.partes.size() == 1 && consulta.partes.front().nTop > 0) return Top(consulta, pPadre);
    for (const TSelect& select : consulta.partes)
      if (select.nTop > 0) LanzaError(QStringLiteral("TOP en una parte de UNION no está soportado"));
    TSqlTipado resultado;
    TAmbito ambitoOrden;
    bool bConvierte = false;  // a column exact in one part and not in another
    std::vector<TTipoJet> tiposUnion;
    for (int nPasada = 0; nPasada < 2; ++nPasada) {
      resultado.sSql.clear();
      for (size_t i = 0; i < consulta.partes.size(); ++i) {
        if (i > 0) resultado.sSql += consulta.unionesTodas[i - 1] ? QStringLiteral(" UNION ALL ") : QStringLiteral(" UNION ");
        TAmbito ambito{{}, pPadre};
        TColumnasTipadas columnas;
        F_pTiposUnion = nPasada == 1 ? &tiposUnion : nullptr;
        resultado.sSql += Select(consulta.partes[i], ambito, columnas);
        if (i == 0) {
          resultado.columnas = columnas;
          ambitoOrden = ambito;
        } else {
          for (size_t c = 0; c < columnas.size() && c < resultado.columnas.size(); ++c)
            if (columnas[c].tipo != resultado.columnas[c].tipo) {
              bConvierte = bConvierte || EsExacto(columnas[c].tipo) || EsExacto(resultado.columnas[c].tipo);
              resultado.columnas[c].tipo = TTipoJet::Valor;
            }
        }
      }
      if (!bConvierte || nPasada == 1) break;
      for (const TColumnaTipada& columna : resultado.columnas) tiposUnion.push_back(columna.tipo);
    }
    F_pTiposUnion = nullptr;
    if (!consulta.orden.empty()) {
      if (consulta.partes.size() > 1) ambitoOrden = TAmbito{{}, pPadre};
      const TAmbito* pAnterior = std::exchange(F_pAmbito, &ambitoOrden);
      resultado.sSql += QStringLiteral(" ORDER BY ");
      for (size_t i = 0; i < consulta.orden.size(); ++i) {
        if (i > 0) resultado.sSql += QStringLiteral(", ");
        resultado.sSql += Exacto(*consulta.orden[i].pExpresion);
        if (consulta.orden[i].bDescendente) resultado.sSql += QStringLiteral(" DESC");
      }
      F_pAmbito = pAnterior;
    }
    return resultado;
  }

 private:
  // TOP n: the rows ranked within the first n by ORDER BY, so rows tied with the n-th come
  // too; without ORDER BY simply the first n. TOP n PERCENT: n percent of the rows, rounded up.
  TSqlTipado Top(const TConsulta& consulta, const TAmbito* pPadre) {
    const TSelect& select = consulta.partes.front();
    TAmbito ambito{{}, pPadre};
    TSqlTipado resultado;
    // the rank is written inside the SELECT, where its ORDER BY sees the tables
    auto Ventana = [&] {
      QStringList orden;
      for (const TOrden& o : consulta.orden) {
        const TExpresion* e = o.pExpresion.get();
        if (e->clase == TClase::Numero) {  // an ordinal: the column's own expression
          const TElementoSelect& elemento = select.elementos[size_t(e->sTexto.toInt() - 1)];
          if (elemento.bEstrella)
            LanzaError(QStringLiteral("ORDER BY con número de columna y * junto a TOP no está soportado"), e->pos);
          e = elemento.pExpresion.get();
        }
        orden << Exacto(*e) + (o.bDescendente ? QStringLiteral(" DESC") : QString());
      }
      QString sVentana = orden.isEmpty() ? QStringLiteral("row_number() OVER ()")
                                         : QStringLiteral("rank() OVER (ORDER BY ") + orden.join(QStringLiteral(", ")) + QLatin1Char(')');
      sVentana += QStringLiteral(" AS \"jet_rango\"");
      if (select.bTopPorcentaje) sVentana += QStringLiteral(", count(*) OVER () AS \"jet_total\"");
      return sVentana;
    };
    const QString sInterna = Select(select, ambito, resultado.columnas, Ventana);
    QStringList columnas;
    for (const TColumnaTipada& columna : resultado.columnas) columnas << CitaNombre(columna.sNombre);
    const QString sLimite = select.bTopPorcentaje
                                ? QStringLiteral("(\"jet_rango\" - 1) * 100 < \"jet_total\" * %1").arg(select.nTop)
                                : QStringLiteral("\"jet_rango\" <= %1").arg(select.nTop);
    resultado.sSql = QStringLiteral("SELECT ") + columnas.join(QStringLiteral(", ")) + QStringLiteral(" FROM (") + sInterna +
                     QStringLiteral(") WHERE ") + sLimite + QStringLiteral(" ORDER BY \"jet_rango\"");
    return resultado;
  }

  QString Select(const TSelect& select, TAmbito& ambito, TColumnasTipadas& columnas,
                 const std::function<QString()>& ColumnasExtra = {}) {
    const TAmbito* pAnterior = std::exchange(F_pAmbito, &ambito);
    QString sFrom;
    for (size_t i = 0; i < select.fuentes.size(); ++i) {
      sFrom += i == 0 ? QStringLiteral(" FROM ") : QStringLiteral(", ");
      sFrom += Fuente(*select.fuentes[i], ambito);
    }
    QString s = select.bDistinct ? QStringLiteral("SELECT DISTINCT ") : QStringLiteral("SELECT ");
    s += Elementos(select, ambito, columnas);
    if (ColumnasExtra) s += QStringLiteral(", ") + ColumnasExtra();
    s += sFrom;
    if (select.pDonde) s += QStringLiteral(" WHERE ") + Condicion(*select.pDonde);
    if (select.bDistinctRow && !EsAgrupada(select)) {
      const QStringList filas = FilasDistintas(select, ambito);
      if (!filas.isEmpty()) s += QStringLiteral(" GROUP BY ") + filas.join(QStringLiteral(", "));
    }
    if (!select.agrupaPor.empty()) {
      s += QStringLiteral(" GROUP BY ");
      for (size_t i = 0; i < select.agrupaPor.size(); ++i) {
        if (i > 0) s += QStringLiteral(", ");
        s += Exacto(*select.agrupaPor[i]);
      }
    }
    if (select.pTeniendo) s += QStringLiteral(" HAVING ") + Condicion(*select.pTeniendo);
    F_pAmbito = pAnterior;
    return s;
  }

  // DISTINCTROW keeps one row per combination of the rows of the tables whose columns the
  // select list shows (over one table, or showing every table, it keeps every row). Those
  // rows are told apart by their rowid (a derived table's, by all its columns); the shown
  // values of one group are then equal. Empty when nothing needs grouping.
  QStringList FilasDistintas(const TSelect& select, const TAmbito& ambito) {
    std::vector<const TFuenteTipada*> mostradas;
    auto Muestra = [&](const QString& sAlias) {
      for (const TFuenteTipada& fuente : ambito.fuentes)
        if (MismoNombre(fuente.sAlias, sAlias) &&
            std::find(mostradas.begin(), mostradas.end(), &fuente) == mostradas.end())
          mostradas.push_back(&fuente);
    };
    std::function<void(const TExpresion&)> Recorre = [&](const TExpresion& e) {
      if (e.clase == TClase::Columna) {
        QString sAlias;
        if (BuscaColumna(e.sCalificador, e.sTexto, &sAlias)) Muestra(sAlias);
      }
      for (const auto& hijo : e.hijos) Recorre(*hijo);
    };
    for (const TElementoSelect& elemento : select.elementos) {
      if (elemento.bEstrella && elemento.sCalificador.isEmpty()) return {};
      if (elemento.bEstrella) Muestra(elemento.sCalificador);
      else Recorre(*elemento.pExpresion);
    }
    if (mostradas.size() == ambito.fuentes.size()) return {};
    QStringList filas;
    for (const TFuenteTipada* fuente : mostradas) {
      if (!EsTablaDe(select, fuente->sAlias)) {
        for (const TColumnaTipada& columna : fuente->columnas)
          filas << CitaNombre(fuente->sAlias) + QLatin1Char('.') + CitaNombre(columna.sNombre);
      } else {
        filas << CitaNombre(fuente->sAlias) + QStringLiteral(".rowid");
      }
    }
    return filas;
  }

  // Whether the FROM item of that alias is a stored table (it has a rowid).
  static bool EsTablaDe(const TSelect& select, const QString& sAlias) {
    std::function<bool(const TFuente&)> Busca = [&](const TFuente& fuente) {
      if (fuente.clase == TFuente::TClase::Union) return Busca(*fuente.pIzquierda) || Busca(*fuente.pDerecha);
      return fuente.clase == TFuente::TClase::Tabla &&
             MismoNombre(fuente.sAlias.isEmpty() ? fuente.sNombre : fuente.sAlias, sAlias);
    };
    return std::any_of(select.fuentes.begin(), select.fuentes.end(), [&](const auto& f) { return Busca(*f); });
  }

  // The select list. A * stays * unless one of its columns must be renamed.
  QString Elementos(const TSelect& select, const TAmbito& ambito, TColumnasTipadas& columnas) {
    const std::vector<TTipoJet>* pTiposUnion = std::exchange(F_pTiposUnion, nullptr);
    std::vector<std::vector<TSalida>> porElemento;
    std::vector<TSalida> todas;
    int nExpr = CC_PRIMER_EXPR;
    struct TRestauraAlias {  // what follows the list sees none
      TEmisor& emisor;
      ~TRestauraAlias() {
        emisor.F_alias.clear();
        emisor.F_nAlias = 0;
      }
    } restaura{*this};
    for (const TElementoSelect& elemento : select.elementos) {
      F_nAlias = F_alias.size();
      std::vector<TSalida> salidas;
      if (elemento.bEstrella) {
        for (const TFuenteTipada& fuente : ambito.fuentes)
          if (elemento.sCalificador.isEmpty() || MismoNombre(fuente.sAlias, elemento.sCalificador))
            for (const TColumnaTipada& columna : fuente.columnas)
              salidas.push_back({fuente.sAlias.isEmpty() ? CitaNombre(columna.sNombre)
                                                         : CitaNombre(fuente.sAlias) + QLatin1Char('.') + CitaNombre(columna.sNombre),
                                 columna.sNombre, columna.tipo, fuente.sAlias, true});
      } else {
        const TExpresion& e = *elemento.pExpresion;
        TSalida salida{Exacto(e), elemento.sAlias, Tipo(e), {}, false};
        if (salida.sNombre.isEmpty() && e.clase == TClase::Columna) {
          salida.sNombre = e.sTexto;
          salida.sCalificador = e.sCalificador.isEmpty() ? AliasDe(e.sTexto) : e.sCalificador;
        } else if (salida.sNombre.isEmpty()) {
          salida.sNombre = QStringLiteral("Expr%1").arg(nExpr++);
        }
        salidas.push_back(salida);
      }
      todas.insert(todas.end(), salidas.begin(), salidas.end());
      porElemento.push_back(std::move(salidas));
      if (!elemento.bEstrella && !elemento.sAlias.isEmpty()) F_alias.emplace_back(elemento.sAlias, elemento.pExpresion.get());
    }
    std::vector<TSalida> calificadas = todas;
    CalificaRepetidos(calificadas);
    // A part of a UNION whose column is exact where another part's is not gives its double.
    std::vector<bool> convertidas(calificadas.size(), false);
    for (size_t k = 0; pTiposUnion && k < calificadas.size() && k < pTiposUnion->size(); ++k)
      if (EsExacto(calificadas[k].tipo) && (*pTiposUnion)[k] != calificadas[k].tipo) {
        calificadas[k].sExpresion = Convierte(calificadas[k].sExpresion, calificadas[k].tipo, (*pTiposUnion)[k]);
        calificadas[k].tipo = (*pTiposUnion)[k];
        convertidas[k] = true;
      }
    QStringList partes;
    size_t n = 0;
    for (size_t i = 0; i < select.elementos.size(); ++i) {
      const TElementoSelect& elemento = select.elementos[i];
      bool bRenombra = false;
      for (size_t k = 0; k < porElemento[i].size(); ++k)
        bRenombra = bRenombra || calificadas[n + k].sNombre != porElemento[i][k].sNombre || convertidas[n + k];
      if (elemento.bEstrella && !bRenombra) {
        partes << (elemento.sCalificador.isEmpty() ? QStringLiteral("*")
                                                   : CitaNombre(elemento.sCalificador) + QStringLiteral(".*"));
      } else {
        for (size_t k = 0; k < porElemento[i].size(); ++k) {
          const TSalida& salida = calificadas[n + k];
          const bool bNombre = !elemento.bEstrella && (!elemento.sAlias.isEmpty() || elemento.pExpresion->clase != TClase::Columna);
          partes << (bNombre || salida.sNombre != porElemento[i][k].sNombre || convertidas[n + k]
                         ? salida.sExpresion + QStringLiteral(" AS ") + CitaNombre(salida.sNombre)
                         : salida.sExpresion);
        }
      }
      n += porElemento[i].size();
    }
    for (const TSalida& salida : calificadas) columnas.push_back({salida.sNombre, salida.tipo});
    return partes.join(QStringLiteral(", "));
  }

  QString Fuente(const TFuente& fuente, TAmbito& ambito) {
    QString s;
    switch (fuente.clase) {
      case TFuente::TClase::Tabla:
        s = CitaNombre(fuente.sNombre);
        ambito.fuentes.push_back({fuente.sAlias.isEmpty() ? fuente.sNombre : fuente.sAlias,
                                  F_catalogo ? F_catalogo(fuente.sNombre) : TColumnasTipadas{}});
        break;
      case TFuente::TClase::Derivada: {
        TSqlTipado derivada = TEmisor(F_catalogo).Consulta(*fuente.pConsulta, nullptr);
        s = QStringLiteral("(") + derivada.sSql + QStringLiteral(")");
        ambito.fuentes.push_back({fuente.sAlias, std::move(derivada.columnas)});
        break;
      }
      case TFuente::TClase::Union: {
        s = Fuente(*fuente.pIzquierda, ambito);  // in order: the columns of * follow the sources
        const QString sDerecha = Fuente(*fuente.pDerecha, ambito);
        s += QLatin1Char(' ') + fuente.sTipoUnion + QStringLiteral(" JOIN ") + sDerecha + QStringLiteral(" ON ") +
             Condicion(*fuente.pCondicion);
        return fuente.bParentesis ? QStringLiteral("(") + s + QStringLiteral(")") : s;
      }
    }
    if (!fuente.sAlias.isEmpty()) s += QStringLiteral(" AS ") + CitaNombre(fuente.sAlias);
    return s;
  }

  // --- types ---

  const TColumnaTipada* BuscaColumna(const QString& sCalificador, const QString& sNombre, QString* pAlias = nullptr) const {
    for (const TAmbito* ambito = F_pAmbito; ambito; ambito = ambito->pPadre)
      for (const TFuenteTipada& fuente : ambito->fuentes) {
        if (!sCalificador.isEmpty() && !MismoNombre(fuente.sAlias, sCalificador)) continue;
        for (const TColumnaTipada& columna : fuente.columnas)
          if (MismoNombre(columna.sNombre, sNombre)) {
            if (pAlias) *pAlias = fuente.sAlias;
            return &columna;
          }
      }
    return nullptr;
  }

  // A name that no table has but an earlier item of the select list was given as its alias
  // (SELECT a * 2 AS d, d + 1 AS e): that item, as Jet reads it; -1 otherwise. An alias sees
  // only the aliases before its own item.
  int AliasAnterior(const TExpresion& e) const {
    if (!e.sCalificador.isEmpty()) return -1;
    for (size_t i = F_nAlias; i-- > 0;)
      if (MismoNombre(F_alias[i].first, e.sTexto)) return int(i);
    return -1;
  }

  QString AliasDe(const QString& sColumna) const {
    QString sAlias;
    BuscaColumna({}, sColumna, &sAlias);
    return sAlias;
  }

  static TTipoJet Comun(TTipoJet a, TTipoJet b, const TExpresion& ea, const TExpresion& eb) {
    if (ea.clase == TClase::Nulo) return b;
    if (eb.clase == TClase::Nulo) return a;
    return a == b ? a : TTipoJet::Valor;
  }

  TTipoJet Tipo(const TExpresion& e) const {
    switch (e.clase) {
      case TClase::Numero:
        return e.sTexto.contains(u'.') || e.sTexto.contains(u'e', Qt::CaseInsensitive) ? TTipoJet::Doble
                                                                                         : TTipoJet::Entero;
      case TClase::Texto: return TTipoJet::Texto;
      case TClase::Fecha: return TTipoJet::Fecha;
      case TClase::Booleano:
      case TClase::Like:
      case TClase::EsNulo:
      case TClase::Entre:
      case TClase::En:
      case TClase::Existe:
      case TClase::Cuantificada: return TTipoJet::Booleano;
      case TClase::Subconsulta: {
        const TSqlTipado sub = TEmisor(F_catalogo).Consulta(*e.pConsulta, F_pAmbito);
        return sub.columnas.empty() ? TTipoJet::Valor : sub.columnas.front().tipo;
      }
      case TClase::Columna: {
        const TColumnaTipada* columna = BuscaColumna(e.sCalificador, e.sTexto);
        if (const int nAlias = columna ? -1 : AliasAnterior(e); nAlias >= 0) {
          const size_t nVisibles = std::exchange(F_nAlias, size_t(nAlias));
          const TTipoJet tipo = Tipo(*F_alias[size_t(nAlias)].second);
          F_nAlias = nVisibles;
          return tipo;
        }
        return columna ? columna->tipo : TTipoJet::Valor;
      }
      case TClase::Funcion: return TipoFuncion(e);
      case TClase::Unario:
        if (e.sTexto == QLatin1String("NOT"))
          return Resultado(*e.hijos[0]) == TResultado::Logico ? TTipoJet::Booleano : TTipoJet::Entero;
        return Tipo(*e.hijos[0]);
      case TClase::Binario: {
        if (e.sTexto == QLatin1String("AND") || e.sTexto == QLatin1String("OR"))
          return EsLogicoAndOr(e) ? TTipoJet::Booleano : TTipoJet::Entero;
        const TReglaOperador* regla = ReglaOperador(e.sTexto);
        if (!regla) return TTipoJet::Valor;
        const TReglaTipo* tipo = ReglaTipo(e.sTexto, Tipo(*e.hijos[0]), Tipo(*e.hijos[1]));
        return tipo ? tipo->tipo : regla->tipo;
      }
      default: return TTipoJet::Valor;
    }
  }

  TTipoJet TipoFuncion(const TExpresion& e) const {
    const TReglaFuncion* regla = ReglaFuncion(e.sTexto);
    switch (regla->tipoDe) {
      case TTipoDe::Fijo: break;
      case TTipoDe::Primero: {
        const TTipoJet tipo = Tipo(*e.hijos[0]);
        if (EsExacto(tipo)) return ReglaExacta(e.sTexto, tipo) ? tipo : TTipoJet::Doble;
        return regla->bAgregada && tipo == TTipoJet::Booleano ? TTipoJet::Entero : tipo;
      }
      case TTipoDe::Ramas: return Comun(Tipo(*e.hijos[1]), Tipo(*e.hijos[2]), *e.hijos[1], *e.hijos[2]);
      case TTipoDe::Moneda:
        if (const TTipoJet tipo = Tipo(*e.hijos[0]); EsExacto(tipo)) return tipo;
        break;
    }
    return regla->tipo;
  }

  // --- expressions ---

  // Where Jet wants a value: a comparison becomes -1/0; Currency and Decimal the double
  // nearest them (what reads their exact form asks for Exacto or ComoExacto).
  QString Valor(const TExpresion& e) { return Convierte(Exacto(e), Tipo(e), TTipoJet::Valor); }

  QString Exacto(const TExpresion& e) {
    const QString s = Expresion(e);
    return Resultado(e) == TResultado::Logico ? Aplica(CC_LOGICO_COMO_VALOR, {s}) : s;
  }

  // e as a value of the exact type (Currency or Decimal) that both sides of an operation share.
  QString ComoExacto(const TExpresion& e, TTipoJet exacto) { return Convierte(Exacto(e), Tipo(e), exacto); }

  // SQL of type de as type a: to an exact type from a number, or from an exact type to the
  // double nearest it (a Valor).
  static QString Convierte(const QString& s, TTipoJet de, TTipoJet a) {
    if (de == a || (!EsExacto(de) && !EsExacto(a))) return s;
    if (a == TTipoJet::Moneda) return Aplica("jet_mon(%1)", {s});
    if (a == TTipoJet::Decimal) return Aplica(de == TTipoJet::Moneda ? "jet_dec_mon(%1)" : "jet_dec(%1)", {s});
    return Aplica(de == TTipoJet::Moneda ? "jet_mon_real(%1)" : "jet_dec_real(%1)", {s});
  }

  // The exact type in which values of these types compare or combine exactly: Decimal with
  // Decimal, Currency or integers; Currency with Currency or integers; otherwise none (Valor).
  static TTipoJet ExactoComun(const std::vector<TTipoJet>& tipos) {
    bool bDecimal = false, bMoneda = false;
    for (TTipoJet tipo : tipos) {
      if (tipo == TTipoJet::Decimal) bDecimal = true;
      else if (tipo == TTipoJet::Moneda) bMoneda = true;
      else if (tipo != TTipoJet::Entero && tipo != TTipoJet::Booleano) return TTipoJet::Valor;
    }
    return bDecimal ? TTipoJet::Decimal : bMoneda ? TTipoJet::Moneda : TTipoJet::Valor;
  }

  // A number written with a decimal point (signed or not) as its text; empty for anything else.
  static QString LiteralDecimal(const TExpresion& e) {
    if (e.clase == TClase::Unario && (e.sTexto == QLatin1String("-") || e.sTexto == QLatin1String("+"))) {
      const QString s = LiteralDecimal(*e.hijos[0]);
      return s.isEmpty() || e.sTexto == QLatin1String("+") ? s : QLatin1Char('-') + s;
    }
    const bool bDecimal = e.clase == TClase::Numero && e.sTexto.contains(u'.') && !e.sTexto.contains(u'e', Qt::CaseInsensitive);
    return bDecimal ? e.sTexto : QString();
  }

  // The exact type in which operands compare: as ExactoComun, where a number written with a
  // decimal point beside Currency or Decimal is the decimal written (Jet 4 reads such a
  // literal as a Decimal), not the double nearest it; 900000000000000.1233 stays below
  // a Currency of 900000000000000.1234.
  TTipoJet ExactoComparado(const std::vector<const TExpresion*>& operandos) const {
    std::vector<TTipoJet> tipos;
    bool bLiteral = false;
    for (const TExpresion* e : operandos) {
      if (LiteralDecimal(*e).isEmpty()) tipos.push_back(Tipo(*e));
      else bLiteral = true;
    }
    const TTipoJet exacto = ExactoComun(tipos);
    return bLiteral && EsExacto(exacto) ? TTipoJet::Decimal : exacto;
  }

  // One operand of a comparison in the type ExactoComparado chose.
  QString Comparado(const TExpresion& e, TTipoJet exacto) {
    if (!EsExacto(exacto)) return Valor(e);
    const QString sLiteral = LiteralDecimal(e);
    if (sLiteral.isEmpty()) return ComoExacto(e, exacto);
    return QStringLiteral("jet_dec('%1')").arg(sLiteral);
  }

  // Where Jet wants a truth: any non-zero value is true, as in SQLite.
  QString Condicion(const TExpresion& e) { return Expresion(e); }

  QString Expresion(const TExpresion& e) {
    switch (e.clase) {
      case TClase::Numero: return e.sTexto;
      case TClase::Texto:
        return QStringLiteral("('") + QString(e.sTexto).replace(u'\'', QStringLiteral("''")) + QLatin1Char('\'') +
               QLatin1String(CC_COLACION) + QLatin1Char(')');
      case TClase::Fecha:
      case TClase::Booleano: return QString::number(e.dValor, 'g', 17);
      case TClase::Nulo: return QStringLiteral("NULL");
      case TClase::Estrella: return QStringLiteral("*");
      case TClase::Columna:
        if (const int nAlias = BuscaColumna(e.sCalificador, e.sTexto) ? -1 : AliasAnterior(e); nAlias >= 0) {
          const size_t nVisibles = std::exchange(F_nAlias, size_t(nAlias));
          const QString s = QLatin1Char('(') + Exacto(*F_alias[size_t(nAlias)].second) + QLatin1Char(')');
          F_nAlias = nVisibles;
          return s;
        }
        return e.sCalificador.isEmpty() ? CitaNombre(e.sTexto)
                                        : CitaNombre(e.sCalificador) + QLatin1Char('.') + CitaNombre(e.sTexto);
      case TClase::Funcion: return Funcion(e);
      case TClase::Unario: return Unario(e);
      case TClase::Binario: return Binario(e);
      case TClase::Like: {
        const QString s = Aplica(CC_LIKE, {Valor(*e.hijos[0]), Valor(*e.hijos[1])});
        return e.bNegada ? QStringLiteral("(NOT ") + s + QLatin1Char(')') : s;
      }
      case TClase::EsNulo:
        return QStringLiteral("(") + Valor(*e.hijos[0]) + (e.bNegada ? QStringLiteral(" IS NOT NULL)") : QStringLiteral(" IS NULL)"));
      case TClase::Entre: {
        const TTipoJet exacto = ExactoComparado({e.hijos[0].get(), e.hijos[1].get(), e.hijos[2].get()});
        auto Lado = [&](const TExpresion& x) { return Comparado(x, exacto); };
        return QStringLiteral("(") + Lado(*e.hijos[0]) + (e.bNegada ? QStringLiteral(" NOT") : QString()) +
               QStringLiteral(" BETWEEN ") + Lado(*e.hijos[1]) + QStringLiteral(" AND ") + Lado(*e.hijos[2]) +
               QLatin1Char(')');
      }
      case TClase::En: {
        const QString sEn = e.bNegada ? QStringLiteral(" NOT IN (") : QStringLiteral(" IN (");
        if (e.pConsulta) {
          const TSqlTipado sub = Sub(*e.pConsulta);
          const TTipoJet tipoSub = sub.columnas.size() == 1 ? sub.columnas.front().tipo : TTipoJet::Valor;
          if (!EsExacto(tipoSub) && !EsExacto(Tipo(*e.hijos[0])))
            return QStringLiteral("(") + Valor(*e.hijos[0]) + sEn + sub.sSql + QStringLiteral("))");
          const auto [sX, sV] = LadosDeSubconsulta(*e.hijos[0], tipoSub, CitaNombre(sub.columnas.front().sNombre));
          return QStringLiteral("(") + sX + sEn + QStringLiteral("SELECT ") + sV + QStringLiteral(" FROM (") + sub.sSql +
                 QStringLiteral(")))");
        }
        std::vector<const TExpresion*> operandos;
        for (const auto& hijo : e.hijos) operandos.push_back(hijo.get());
        const TTipoJet exacto = ExactoComparado(operandos);
        auto Lado = [&](const TExpresion& x) { return Comparado(x, exacto); };
        QStringList lista;
        for (size_t i = 1; i < e.hijos.size(); ++i) lista << Lado(*e.hijos[i]);
        return QStringLiteral("(") + Lado(*e.hijos[0]) + sEn + lista.join(QStringLiteral(", ")) + QStringLiteral("))");
      }
      case TClase::Existe: return QStringLiteral("EXISTS (") + Sub(*e.pConsulta).sSql + QLatin1Char(')');
      case TClase::Subconsulta: return Escalar(e);
      case TClase::Cuantificada: return Cuantificada(e);
    }
    LanzaError(QStringLiteral("Expresión no soportada"), e.pos);
  }

  // A subquery sees the columns of the query around it (correlated).
  TSqlTipado Sub(const TConsulta& consulta) {
    return TEmisor(F_catalogo).Consulta(consulta, F_pAmbito);
  }

  // (SELECT x ...) as a value: Null without rows; more than one row is Jet's error.
  QString Escalar(const TExpresion& e) {
    const TSqlTipado sub = Sub(*e.pConsulta);
    if (sub.columnas.size() != 1) LanzaError(QStringLiteral("La subconsulta debe devolver un solo campo"), e.pos);
    return QStringLiteral("(SELECT CASE WHEN count(*) > 1 THEN jet_varias_filas() ELSE min(%1) END FROM (%2))")
        .arg(CitaNombre(sub.columnas.front().sNombre), sub.sSql);
  }

  // x op ANY|ALL (SELECT y ...): true when op holds for some|every y; Null when it holds for
  // none|all of the known ones and some y is Null; ALL of no rows is true, ANY false.
  QString Cuantificada(const TExpresion& e) {
    const TSqlTipado sub = Sub(*e.pConsulta);
    const TReglaOperador* regla = ReglaOperador(e.sTexto);
    if (sub.columnas.size() != 1) LanzaError(QStringLiteral("La subconsulta debe devolver un solo campo"), e.pos);
    // the subquery's column renamed, so that x still names the outer query's column
    const auto [sX, sV] = LadosDeSubconsulta(*e.hijos[0], sub.columnas.front().tipo, QStringLiteral("\"jet_v\""));
    const QString sComparacion = Aplica(regla->sPlantilla, {sX, sV});
    const bool bTodos = e.sCalificador == QLatin1String("ALL");
    return QStringLiteral("(SELECT CASE WHEN max(r = %1) THEN %2 WHEN count(r) < count(*) THEN NULL ELSE %3 END "
                          "FROM (SELECT %4 AS r FROM (SELECT %5 AS \"jet_v\" FROM (%6))))")
        .arg(bTodos ? QStringLiteral("0") : QStringLiteral("1"), bTodos ? QStringLiteral("0") : QStringLiteral("1"),
             bTodos ? QStringLiteral("1") : QStringLiteral("0"), sComparacion, CitaNombre(sub.columnas.front().sNombre),
             sub.sSql);
  }

  // What & joins: Currency and Decimal as their exact text, anything else as a value.
  QString TextoExacto(const TExpresion& e) {
    const TTipoJet tipo = Tipo(e);
    if (!EsExacto(tipo)) return Valor(e);
    return Aplica(tipo == TTipoJet::Moneda ? "jet_mon_texto(%1)" : "jet_dec_texto(%1)", {Exacto(e)});
  }

  // x beside a subquery's column sV of type tipoSub: both exact when they share an exact
  // type, otherwise both as values.
  std::pair<QString, QString> LadosDeSubconsulta(const TExpresion& x, TTipoJet tipoSub, const QString& sV) {
    const TTipoJet exacto = ExactoComun({Tipo(x), tipoSub});
    if (EsExacto(exacto)) return {ComoExacto(x, exacto), Convierte(sV, tipoSub, exacto)};
    return {Valor(x), Convierte(sV, tipoSub, TTipoJet::Valor)};
  }

  QString Funcion(const TExpresion& e) {
    const TReglaFuncion* regla = ReglaFuncion(e.sTexto);
    const TTipoJet tipoPrimero = e.hijos.empty() ? TTipoJet::Valor : Tipo(*e.hijos[0]);
    const TReglaExacta* exacta = EsExacto(tipoPrimero) ? ReglaExacta(e.sTexto, tipoPrimero) : nullptr;
    const TTipoJet tipoRamas = regla->tipoDe == TTipoDe::Ramas ? TipoFuncion(e) : TTipoJet::Valor;
    QStringList argumentos;
    for (size_t i = 0; i < e.hijos.size(); ++i) {
      if (i == 0 && regla->bPrimeroCondicion) argumentos << Condicion(*e.hijos[i]);
      else if (i == 0 && exacta) argumentos << Exacto(*e.hijos[i]);
      else if (i > 0 && EsExacto(tipoRamas)) argumentos << ComoExacto(*e.hijos[i], tipoRamas);
      else argumentos << Valor(*e.hijos[i]);
    }
    if (exacta) return Aplica(exacta->sPlantilla, argumentos);
    const bool bEspecial = regla->sPlantillaEspecial && !e.hijos.empty() && Tipo(*e.hijos[0]) == regla->tipoEspecial;
    return Aplica(bEspecial ? regla->sPlantillaEspecial : regla->sPlantilla, argumentos);
  }

  QString Unario(const TExpresion& e) {
    const TExpresion& operando = *e.hijos[0];
    if (e.sTexto == QLatin1String("NOT")) {
      if (Resultado(operando) == TResultado::Logico) return QStringLiteral("(NOT ") + Condicion(operando) + QLatin1Char(')');
      return Aplica(CC_NOT_BITS, {Valor(operando)});
    }
    const TTipoJet tipo = Tipo(operando);
    if (e.sTexto == QLatin1String("-") && EsExacto(tipo))
      return Aplica(tipo == TTipoJet::Moneda ? "jet_mon_menos(0, %1)" : "jet_dec_neg(%1)", {Exacto(operando)});
    if (e.sTexto == QLatin1String("+") && EsExacto(tipo)) return Exacto(operando);
    return QStringLiteral("(") + e.sTexto + QLatin1Char(' ') + Valor(operando) + QLatin1Char(')');
  }

  // The operands of a run of the same logical operator, in order. e is logical, so an
  // operand with its operator is logical too: asking again at every link would walk the
  // rest of the chain each time.
  static void Eslabones(const TExpresion& e, const QString& sOperador, std::vector<const TExpresion*>& terminos) {
    for (const auto& hijo : e.hijos) {
      if (hijo->clase == TClase::Binario && hijo->sTexto == sOperador)
        Eslabones(*hijo, sOperador, terminos);
      else
        terminos.push_back(hijo.get());
    }
  }

  // A text column equal to one of many texts (a catalogue's keys, OR after OR) is written as
  // IN under the JET collation, as each equality compared: SQLite then compiles one list
  // instead of a condition per key and looks each row up once. Empty when the chain is short
  // or of another shape.
  QString ListaDeIgualdades(const std::vector<const TExpresion*>& terminos) {
    if (terminos.size() < CC_TERMINOS_EN_LISTA) return {};
    const TExpresion* pColumna = nullptr;
    QStringList textos;
    for (const TExpresion* t : terminos) {
      if (t->clase != TClase::Binario || t->sTexto != QLatin1String("=")) return {};
      const TExpresion* pIzquierda = t->hijos[0].get();
      const TExpresion* pDerecha = t->hijos[1].get();
      if (pIzquierda->clase == TClase::Texto) std::swap(pIzquierda, pDerecha);
      if (pIzquierda->clase != TClase::Columna || pDerecha->clase != TClase::Texto) return {};
      if (!pColumna) {
        if (Tipo(*pIzquierda) != TTipoJet::Texto) return {};
        pColumna = pIzquierda;
      } else if (!MismoNombre(pColumna->sTexto, pIzquierda->sTexto) ||
                 !MismoNombre(pColumna->sCalificador, pIzquierda->sCalificador)) {
        return {};
      }
      textos << Expresion(*pDerecha);
    }
    return QStringLiteral("((") + Valor(*pColumna) + QLatin1String(CC_COLACION) + QStringLiteral(") IN (") +
           textos.join(QStringLiteral(", ")) + QStringLiteral("))");
  }

  QString Binario(const TExpresion& e) {
    const TExpresion& a = *e.hijos[0];
    const TExpresion& b = *e.hijos[1];
    const bool bAnd = e.sTexto == QLatin1String("AND");
    if (bAnd || e.sTexto == QLatin1String("OR")) {
      if (EsLogicoAndOr(e)) {
        // A run of one operator is written flat: SQLite's parser stack overflows on one pair
        // of parentheses per operand (catalogue conditions chain about a hundred ORs).
        std::vector<const TExpresion*> eslabones;
        Eslabones(e, e.sTexto, eslabones);
        if (!bAnd)
          if (const QString sLista = ListaDeIgualdades(eslabones); !sLista.isEmpty()) return sLista;
        QStringList terminos;
        for (const TExpresion* pTermino : eslabones) terminos << Condicion(*pTermino);
        return QStringLiteral("(") + terminos.join(bAnd ? QStringLiteral(" AND ") : QStringLiteral(" OR ")) +
               QLatin1Char(')');
      }
      return Aplica(bAnd ? CC_AND_BITS : CC_OR_BITS, {Valor(a), Valor(b)});
    }
    const TReglaOperador* regla = ReglaOperador(e.sTexto);
    if (!regla) LanzaError(QStringLiteral("Operador no soportado '%1'").arg(e.sTexto), e.pos);
    const char* sPlantilla = regla->sPlantilla;
    if (regla->resultado == TResultado::Logico) {  // a comparison
      const TTipoJet exacto = ExactoComparado({&a, &b});
      return Aplica(sPlantilla, {Comparado(a, exacto), Comparado(b, exacto)});
    }
    const TReglaTipo* tipo = ReglaTipo(e.sTexto, Tipo(a), Tipo(b));
    if (e.sTexto == QLatin1String("&") && !tipo) return Aplica(sPlantilla, {TextoExacto(a), TextoExacto(b)});
    if (tipo && tipo->sPlantilla && EsExacto(tipo->tipo))
      return Aplica(tipo->sPlantilla, {ComoExacto(a, tipo->tipo), ComoExacto(b, tipo->tipo)});
    if (tipo && tipo->sPlantilla)
      sPlantilla = tipo->sPlantilla;
    else if (e.sTexto == QLatin1String("+") && Resultado(e) == TResultado::Numero)
      sPlantilla = CC_SUMA_NUMERICA;
    return Aplica(sPlantilla, {Valor(a), Valor(b)});
  }

  const TCatalogoJet& F_catalogo;
  const TAmbito* F_pAmbito = nullptr;
  const std::vector<TTipoJet>* F_pTiposUnion = nullptr;  // the next select list's, for its conversions
  std::vector<std::pair<QString, const TExpresion*>> F_alias;  // aliases of the select list so far
  mutable size_t F_nAlias = 0;                                 // how many of them the item sees
};

}  // namespace

TSqlTipado EmiteSQLiteTipado(const TConsulta& consulta, const TCatalogoJet& catalogo) {
  return TEmisor(catalogo).Consulta(consulta, nullptr);
}

QString EmiteSQLite(const TConsulta& consulta, const TCatalogoJet& catalogo) {
  return EmiteSQLiteTipado(consulta, catalogo).sSql;
}

QString CitaNombre(const QString& sNombre) {
  return QLatin1Char('"') + QString(sNombre).replace(u'"', QStringLiteral("\"\"")) + QLatin1Char('"');
}

}  // namespace ado::jet
