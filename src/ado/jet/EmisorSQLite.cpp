#include "ado/jet/EmisorSQLite.h"

#include "ado/jet/ErrorJet.h"
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
    case TClase::En: return TResultado::Logico;
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
QString Aplica(const char* sPlantilla, const QStringList& argumentos) {
  QString s;
  for (const char* p = sPlantilla; *p; ++p) {
    if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') {
      s += argumentos[p[1] - '1'];
      ++p;
    } else {
      s += QLatin1Char(*p);
    }
  }
  return s;
}

class TEmisor {
 public:
  QString Consulta(const TConsulta& consulta) {
    QString s;
    for (size_t i = 0; i < consulta.partes.size(); ++i) {
      if (i > 0) s += consulta.unionesTodas[i - 1] ? QStringLiteral(" UNION ALL ") : QStringLiteral(" UNION ");
      s += Select(consulta.partes[i]);
    }
    if (!consulta.orden.empty()) {
      s += QStringLiteral(" ORDER BY ");
      for (size_t i = 0; i < consulta.orden.size(); ++i) {
        if (i > 0) s += QStringLiteral(", ");
        s += Valor(*consulta.orden[i].pExpresion);
        if (consulta.orden[i].bDescendente) s += QStringLiteral(" DESC");
      }
    }
    return s;
  }

 private:
  QString Select(const TSelect& select) {
    QString s = select.bDistinct ? QStringLiteral("SELECT DISTINCT ") : QStringLiteral("SELECT ");
    int nExpr = CC_PRIMER_EXPR;
    for (size_t i = 0; i < select.elementos.size(); ++i) {
      if (i > 0) s += QStringLiteral(", ");
      s += Elemento(select.elementos[i], nExpr);
    }
    for (size_t i = 0; i < select.fuentes.size(); ++i) {
      s += i == 0 ? QStringLiteral(" FROM ") : QStringLiteral(", ");
      s += Fuente(*select.fuentes[i]);
    }
    if (select.pDonde) s += QStringLiteral(" WHERE ") + Condicion(*select.pDonde);
    if (!select.agrupaPor.empty()) {
      s += QStringLiteral(" GROUP BY ");
      for (size_t i = 0; i < select.agrupaPor.size(); ++i) {
        if (i > 0) s += QStringLiteral(", ");
        s += Valor(*select.agrupaPor[i]);
      }
    }
    if (select.pTeniendo) s += QStringLiteral(" HAVING ") + Condicion(*select.pTeniendo);
    return s;
  }

  QString Elemento(const TElementoSelect& elemento, int& nExpr) {
    if (elemento.bEstrella)
      return elemento.sCalificador.isEmpty() ? QStringLiteral("*") : CitaNombre(elemento.sCalificador) + QStringLiteral(".*");
    QString s = Valor(*elemento.pExpresion);
    if (!elemento.sAlias.isEmpty())
      s += QStringLiteral(" AS ") + CitaNombre(elemento.sAlias);
    else if (elemento.pExpresion->clase != TClase::Columna)
      s += QStringLiteral(" AS ") + CitaNombre(QStringLiteral("Expr%1").arg(nExpr++));
    return s;
  }

  QString Fuente(const TFuente& fuente) {
    QString s;
    switch (fuente.clase) {
      case TFuente::TClase::Tabla: s = CitaNombre(fuente.sNombre); break;
      case TFuente::TClase::Derivada: s = QStringLiteral("(") + Consulta(*fuente.pConsulta) + QStringLiteral(")"); break;
      case TFuente::TClase::Union:
        s = Fuente(*fuente.pIzquierda) + QLatin1Char(' ') + fuente.sTipoUnion + QStringLiteral(" JOIN ") +
            Fuente(*fuente.pDerecha) + QStringLiteral(" ON ") + Condicion(*fuente.pCondicion);
        return fuente.bParentesis ? QStringLiteral("(") + s + QStringLiteral(")") : s;
    }
    if (!fuente.sAlias.isEmpty()) s += QStringLiteral(" AS ") + CitaNombre(fuente.sAlias);
    return s;
  }

  // Where Jet wants a value: a comparison becomes -1/0.
  QString Valor(const TExpresion& e) {
    const QString s = Expresion(e);
    return Resultado(e) == TResultado::Logico ? Aplica(CC_LOGICO_COMO_VALOR, {s}) : s;
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
      case TClase::Entre:
        return QStringLiteral("(") + Valor(*e.hijos[0]) + (e.bNegada ? QStringLiteral(" NOT") : QString()) +
               QStringLiteral(" BETWEEN ") + Valor(*e.hijos[1]) + QStringLiteral(" AND ") + Valor(*e.hijos[2]) +
               QLatin1Char(')');
      case TClase::En: {
        QStringList lista;
        for (size_t i = 1; i < e.hijos.size(); ++i) lista << Valor(*e.hijos[i]);
        return QStringLiteral("(") + Valor(*e.hijos[0]) + (e.bNegada ? QStringLiteral(" NOT IN (") : QStringLiteral(" IN (")) +
               lista.join(QStringLiteral(", ")) + QStringLiteral("))");
      }
    }
    LanzaError(QStringLiteral("Expresión no soportada"), e.pos);
  }

  QString Funcion(const TExpresion& e) {
    const TReglaFuncion* regla = ReglaFuncion(e.sTexto);
    QStringList argumentos;
    for (size_t i = 0; i < e.hijos.size(); ++i)
      argumentos << (i == 0 && regla->bPrimeroCondicion ? Condicion(*e.hijos[i]) : Valor(*e.hijos[i]));
    return Aplica(regla->sPlantilla, argumentos);
  }

  QString Unario(const TExpresion& e) {
    const TExpresion& operando = *e.hijos[0];
    if (e.sTexto == QLatin1String("NOT")) {
      if (Resultado(operando) == TResultado::Logico) return QStringLiteral("(NOT ") + Condicion(operando) + QLatin1Char(')');
      return Aplica(CC_NOT_BITS, {Valor(operando)});
    }
    return QStringLiteral("(") + e.sTexto + QLatin1Char(' ') + Valor(operando) + QLatin1Char(')');
  }

  // A run of the same logical operator is written flat: SQLite's parser stack overflows on
  // one pair of parentheses per operand (catalogue conditions chain about a hundred ORs).
  void TerminosEncadenados(const TExpresion& e, QStringList& terminos) {
    for (const auto& hijo : e.hijos) {
      if (hijo->clase == TClase::Binario && hijo->sTexto == e.sTexto && EsLogicoAndOr(*hijo))
        TerminosEncadenados(*hijo, terminos);
      else
        terminos << Condicion(*hijo);
    }
  }

  QString Binario(const TExpresion& e) {
    const TExpresion& a = *e.hijos[0];
    const TExpresion& b = *e.hijos[1];
    const bool bAnd = e.sTexto == QLatin1String("AND");
    if (bAnd || e.sTexto == QLatin1String("OR")) {
      if (EsLogicoAndOr(e)) {
        QStringList terminos;
        TerminosEncadenados(e, terminos);
        return QStringLiteral("(") + terminos.join(bAnd ? QStringLiteral(" AND ") : QStringLiteral(" OR ")) +
               QLatin1Char(')');
      }
      return Aplica(bAnd ? CC_AND_BITS : CC_OR_BITS, {Valor(a), Valor(b)});
    }
    const TReglaOperador* regla = ReglaOperador(e.sTexto);
    if (!regla) LanzaError(QStringLiteral("Operador no soportado '%1'").arg(e.sTexto), e.pos);
    const char* sPlantilla = regla->sPlantilla;
    if (e.sTexto == QLatin1String("+") && Resultado(e) == TResultado::Numero) sPlantilla = CC_SUMA_NUMERICA;
    return Aplica(sPlantilla, {Valor(a), Valor(b)});
  }
};

}  // namespace

QString EmiteSQLite(const TConsulta& consulta) { return TEmisor().Consulta(consulta); }

QString CitaNombre(const QString& sNombre) {
  return QLatin1Char('"') + QString(sNombre).replace(u'"', QStringLiteral("\"\"")) + QLatin1Char('"');
}

}  // namespace ado::jet
