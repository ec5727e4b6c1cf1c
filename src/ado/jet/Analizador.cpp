#include "ado/jet/Analizador.h"

#include "ado/ErrorADO.h"
#include "ado/jet/ErrorJet.h"
#include "ado/jet/FechaJet.h"
#include "ado/jet/ReglaAgrupacion.h"
#include "ado/jet/ReglasJet.h"
#include "ado/jet/Tokenizador.h"

#include <climits>

namespace ado::jet {

namespace {

using TExpr = std::unique_ptr<TExpresion>;

class TAnalizador {
 public:
  explicit TAnalizador(const QString& sSql) : F_tokens(Tokeniza(sSql)) {}

  // The text of [SELECT ...]. as a derived table; errors point at the bracket.
  std::unique_ptr<TConsulta> Interna(TPosicion pos) {
    try {
      auto consulta = Consulta();
      Acepta(";");
      if (Actual().tipo != TTipoToken::Fin) Inesperado(QStringLiteral("']'"));
      return consulta;
    } catch (const EErrorADO&) {
      LanzaError(QStringLiteral("Error de sintaxis en la consulta entre corchetes"), pos);
    }
  }

  bool EsConsultaGuardada(const TToken& t) const {
    return t.tipo == TTipoToken::NombreCorchetes && Siguiente(1).EsSimbolo(".") &&
           t.sTexto.trimmed().startsWith(QLatin1String("SELECT "), Qt::CaseInsensitive);
  }

  std::unique_ptr<TConsulta> Analiza() {
    const TToken& primero = Actual();
    if (primero.tipo == TTipoToken::Identificador && EsEscritura(primero.sTexto))
      LanzaSoloLectura(primero);
    std::vector<TParametro> parametros;
    if (AceptaPalabra("PARAMETERS")) parametros = Parametros();
    std::unique_ptr<TExpresion> pTransforma;
    if (AceptaPalabra("TRANSFORM")) pTransforma = Expresion();
    if (!Actual().EsPalabra("SELECT"))
      LanzaError(QStringLiteral("Instrucción SQL no válida; se esperaba 'SELECT'"), Actual().pos);
    auto consulta = Consulta();
    consulta->parametros = std::move(parametros);
    if (pTransforma) Pivote(*consulta, std::move(pTransforma));
    Acepta(";");
    if (Actual().tipo != TTipoToken::Fin) Inesperado(QStringLiteral("el final de la instrucción"));
    return consulta;
  }

 private:
  // --- statements ---

  // PARAMETERS name type[(size)], ...;
  std::vector<TParametro> Parametros() {
    std::vector<TParametro> parametros;
    do {
      TParametro parametro;
      parametro.pos = Actual().pos;
      parametro.sNombre = Nombre();
      if (!EsNombre(Actual()) && Actual().tipo != TTipoToken::Identificador) Inesperado(QStringLiteral("un tipo de datos"));
      parametro.sTipo = Actual().sTexto.toUpper();
      Avanza();
      if (Acepta("(")) {
        if (Actual().tipo != TTipoToken::Numero) Inesperado(QStringLiteral("un tamaño"));
        Avanza();
        Exige(")");
      }
      parametros.push_back(parametro);
    } while (Acepta(","));
    Exige(";");
    return parametros;
  }

  // TRANSFORM value SELECT ... GROUP BY ... PIVOT heading [IN (values)]
  void Pivote(TConsulta& consulta, std::unique_ptr<TExpresion> pTransforma) {
    const TPosicion pos = Actual().pos;
    if (!AceptaPalabra("PIVOT")) Inesperado(QStringLiteral("'PIVOT'"));
    if (consulta.partes.size() != 1 || consulta.partes.front().agrupaPor.empty())
      LanzaError(QStringLiteral("TRANSFORM necesita una sola consulta SELECT con GROUP BY"), pos);
    consulta.pTransforma = std::move(pTransforma);
    consulta.pPivote = Concatenacion();  // its IN is PIVOT's own
    if (AceptaPalabra("IN")) {
      Exige("(");
      do consulta.valoresPivote.push_back(Concatenacion());
      while (Acepta(","));
      Exige(")");
    }
  }

  std::unique_ptr<TConsulta> Consulta() {
    auto consulta = std::make_unique<TConsulta>();
    consulta->partes.push_back(Select());
    while (AceptaPalabra("UNION")) {
      consulta->unionesTodas.push_back(AceptaPalabra("ALL"));
      consulta->partes.push_back(Select());
    }
    if (AceptaPalabra("ORDER")) {
      Exige("BY");
      do {
        TOrden orden;
        orden.pExpresion = Expresion();
        if (orden.pExpresion->clase == TExpresion::TClase::Numero) ValidaOrdinal(*orden.pExpresion, consulta->partes.front());
        if (AceptaPalabra("DESC"))
          orden.bDescendente = true;
        else
          AceptaPalabra("ASC");
        consulta->orden.push_back(std::move(orden));
      } while (Acepta(","));
    }
    return consulta;
  }

  // ORDER BY 2: the second column of the result, as in SQLite.
  static void ValidaOrdinal(const TExpresion& e, const TSelect& select) {
    bool bOk = false;
    const int n = e.sTexto.toInt(&bOk);
    bool bEstrella = false;
    for (const TElementoSelect& elemento : select.elementos) bEstrella = bEstrella || elemento.bEstrella;
    if (!bOk || n < 1 || (!bEstrella && n > int(select.elementos.size())))
      LanzaError(QStringLiteral("ORDER BY %1: no hay una columna en esa posición").arg(e.sTexto), e.pos);
  }

  // TOP n [PERCENT]: the first rows in the order of ORDER BY, ties with the last included.
  void Top(TSelect& select) {
    const TToken& t = Actual();
    bool bOk = false;
    const int n = t.sTexto.toInt(&bOk);
    if (t.tipo != TTipoToken::Numero || !bOk || n < 1)
      LanzaError(QStringLiteral("TOP necesita un número entero positivo"), t.pos);
    Avanza();
    select.nTop = n;
    select.bTopPorcentaje = AceptaPalabra("PERCENT");
    if (select.bTopPorcentaje && n > 100) LanzaError(QStringLiteral("TOP %1 PERCENT pasa de cien").arg(n), t.pos);
    if (select.bDistinct) LanzaError(QStringLiteral("TOP con DISTINCT no está soportado"), t.pos);
  }

  TSelect Select() {
    Exige("SELECT");
    TSelect select;
    if (AceptaPalabra("DISTINCT"))
      select.bDistinct = true;
    else if (!AceptaPalabra("ALL"))
      select.bDistinctRow = AceptaPalabra("DISTINCTROW");
    if (AceptaPalabra("TOP")) Top(select);
    do select.elementos.push_back(Elemento());
    while (Acepta(","));
    if (Actual().EsPalabra("INTO")) LanzaSoloLectura(Actual());
    if (AceptaPalabra("FROM")) {  // Jet runs a SELECT of expressions alone on one row
      do select.fuentes.push_back(FuenteConUniones());
      while (Acepta(","));
    }
    if (AceptaPalabra("WHERE")) select.pDonde = Expresion();
    if (AceptaPalabra("GROUP")) {
      Exige("BY");
      do select.agrupaPor.push_back(Expresion());
      while (Acepta(","));
    }
    if (AceptaPalabra("HAVING")) select.pTeniendo = Expresion();
    return select;
  }

  TElementoSelect Elemento() {
    TElementoSelect elemento;
    if (Acepta("*")) {
      elemento.bEstrella = true;
      return elemento;
    }
    if (EsNombre(Actual()) && Siguiente(1).EsSimbolo(".") && Siguiente(2).EsSimbolo("*")) {
      elemento.bEstrella = true;
      elemento.sCalificador = Nombre();
      Avanza();
      Avanza();
      return elemento;
    }
    elemento.pExpresion = Expresion();
    if (AceptaPalabra("AS")) elemento.sAlias = Nombre();
    return elemento;
  }

  // item [INNER|LEFT|RIGHT [OUTER] JOIN item ON condition]...
  std::unique_ptr<TFuente> FuenteConUniones() {
    auto izquierda = Fuente();
    for (;;) {
      QString sTipo;
      const TPosicion pos = Actual().pos;
      if (AceptaPalabra("INNER"))
        sTipo = QStringLiteral("INNER");
      else if (AceptaPalabra("LEFT"))
        sTipo = QStringLiteral("LEFT");
      else if (AceptaPalabra("RIGHT"))
        sTipo = QStringLiteral("RIGHT");
      else
        return izquierda;
      if (sTipo != QLatin1String("INNER")) AceptaPalabra("OUTER");
      Exige("JOIN");
      auto fuente = std::make_unique<TFuente>();
      fuente->clase = TFuente::TClase::Union;
      fuente->sTipoUnion = sTipo;
      fuente->pos = pos;
      fuente->pIzquierda = std::move(izquierda);
      fuente->pDerecha = Fuente();
      Exige("ON");
      fuente->pCondicion = Expresion();
      izquierda = std::move(fuente);
    }
  }

  std::unique_ptr<TFuente> Fuente() {
    auto fuente = std::make_unique<TFuente>();
    fuente->pos = Actual().pos;
    if (Acepta("(")) {
      if (Actual().EsPalabra("SELECT")) {
        fuente->clase = TFuente::TClase::Derivada;
        fuente->pConsulta = Consulta();
        Exige(")");
      } else {
        fuente = FuenteConUniones();
        Exige(")");
        if (fuente->clase != TFuente::TClase::Union)
          LanzaError(QStringLiteral("Error de sintaxis en la cláusula FROM"), fuente->pos);
        fuente->bParentesis = true;
        return fuente;
      }
    } else if (EsConsultaGuardada(Actual())) {
      // Access 97-2003 save a derived table as [SELECT ...]. AS T
      fuente->clase = TFuente::TClase::Derivada;
      fuente->pConsulta = TAnalizador(Actual().sTexto).Interna(Actual().pos);
      Avanza();
      Avanza();
    } else if (EsNombre(Actual())) {
      fuente->sNombre = Nombre();
    } else {
      Inesperado(QStringLiteral("una tabla o una consulta entre paréntesis"));
    }
    if (AceptaPalabra("AS") || EsNombre(Actual())) fuente->sAlias = Nombre();
    return fuente;
  }

  // --- expressions, lowest precedence first ---

  TExpr Expresion() { return O(); }

  TExpr O() {
    TExpr e = Y();
    while (Actual().EsPalabra("OR")) e = Binaria(std::move(e), QStringLiteral("OR"), &TAnalizador::Y);
    return e;
  }

  TExpr Y() {
    TExpr e = No();
    while (Actual().EsPalabra("AND")) e = Binaria(std::move(e), QStringLiteral("AND"), &TAnalizador::No);
    return e;
  }

  TExpr No() {
    if (Actual().EsPalabra("NOT")) {
      auto e = Nodo(TExpresion::TClase::Unario);
      e->sTexto = QStringLiteral("NOT");
      Avanza();
      e->hijos.push_back(No());
      return e;
    }
    return Comparacion();
  }

  TExpr Comparacion() {
    TExpr e = Concatenacion();
    for (;;) {
      const TToken& t = Actual();
      const TReglaOperador* regla = t.tipo == TTipoToken::Simbolo ? ReglaOperador(t.sTexto) : nullptr;
      if (regla && regla->resultado == TResultado::Logico) {  // the comparisons
        const TToken& cuantificador = Siguiente(1);
        if (cuantificador.EsPalabra("ANY") || cuantificador.EsPalabra("SOME") || cuantificador.EsPalabra("ALL")) {
          e = Compuesta(TExpresion::TClase::Cuantificada, std::move(e), false);
          e->sTexto = t.sTexto;
          e->sCalificador = cuantificador.EsPalabra("ALL") ? QStringLiteral("ALL") : QStringLiteral("ANY");
          Avanza();
          Avanza();
          Exige("(");
          if (!Actual().EsPalabra("SELECT")) Inesperado(QStringLiteral("una subconsulta"));
          e->pConsulta = Subconsulta();
          Exige(")");
          continue;
        }
        e = Binaria(std::move(e), t.sTexto, &TAnalizador::Concatenacion);
        continue;
      }
      const bool bNegada = t.EsPalabra("NOT") &&
                           (Siguiente(1).EsPalabra("LIKE") || Siguiente(1).EsPalabra("BETWEEN") ||
                            Siguiente(1).EsPalabra("IN"));
      if (bNegada) Avanza();
      if (AceptaPalabra("LIKE")) {
        e = Compuesta(TExpresion::TClase::Like, std::move(e), bNegada);
        e->hijos.push_back(Concatenacion());
      } else if (AceptaPalabra("BETWEEN")) {
        e = Compuesta(TExpresion::TClase::Entre, std::move(e), bNegada);
        e->hijos.push_back(Concatenacion());
        Exige("AND");
        e->hijos.push_back(Concatenacion());
      } else if (AceptaPalabra("IN")) {
        e = Compuesta(TExpresion::TClase::En, std::move(e), bNegada);
        Exige("(");
        if (Actual().EsPalabra("SELECT")) {
          e->pConsulta = Subconsulta();
        } else {
          do e->hijos.push_back(Concatenacion());
          while (Acepta(","));
        }
        Exige(")");
      } else if (AceptaPalabra("IS")) {
        e = Compuesta(TExpresion::TClase::EsNulo, std::move(e), AceptaPalabra("NOT"));
        Exige("NULL");
      } else {
        return e;
      }
    }
  }

  TExpr Concatenacion() {
    TExpr e = Aditiva();
    while (Actual().EsSimbolo("&")) e = Binaria(std::move(e), QStringLiteral("&"), &TAnalizador::Aditiva);
    return e;
  }

  // Jet's precedence, lowest first: + -, Mod, \, * /, unary -, ^ (-2 ^ 2 is -4).
  TExpr Aditiva() {
    TExpr e = Modulo();
    while (Actual().EsSimbolo("+") || Actual().EsSimbolo("-"))
      e = Binaria(std::move(e), Actual().sTexto, &TAnalizador::Modulo);
    return e;
  }

  TExpr Modulo() {
    TExpr e = DivisionEntera();
    while (Actual().EsPalabra("MOD")) e = Binaria(std::move(e), QStringLiteral("MOD"), &TAnalizador::DivisionEntera);
    return e;
  }

  TExpr DivisionEntera() {
    TExpr e = Multiplicativa();
    while (Actual().EsSimbolo("\\")) e = Binaria(std::move(e), QStringLiteral("\\"), &TAnalizador::Multiplicativa);
    return e;
  }

  TExpr Multiplicativa() {
    TExpr e = Unaria();
    while (Actual().EsSimbolo("*") || Actual().EsSimbolo("/"))
      e = Binaria(std::move(e), Actual().sTexto, &TAnalizador::Unaria);
    return e;
  }

  TExpr Unaria() {
    if (Actual().EsSimbolo("-") || Actual().EsSimbolo("+")) {
      auto e = Nodo(TExpresion::TClase::Unario);
      e->sTexto = Actual().sTexto;
      Avanza();
      e->hijos.push_back(Unaria());
      return e;
    }
    return Potencia();
  }

  TExpr Potencia() {
    TExpr e = Primaria();
    while (Actual().EsSimbolo("^")) e = Binaria(std::move(e), QStringLiteral("^"), &TAnalizador::Exponente);
    return e;
  }

  // 2 ^ -1: the exponent may carry its own sign.
  TExpr Exponente() {
    if (Actual().EsSimbolo("-") || Actual().EsSimbolo("+")) {
      auto e = Nodo(TExpresion::TClase::Unario);
      e->sTexto = Actual().sTexto;
      Avanza();
      e->hijos.push_back(Exponente());
      return e;
    }
    return Primaria();
  }

  TExpr Primaria() {
    const TToken& t = Actual();
    switch (t.tipo) {
      case TTipoToken::Numero: return Hoja(TExpresion::TClase::Numero);
      case TTipoToken::Texto: return Hoja(TExpresion::TClase::Texto);
      case TTipoToken::Fecha: {
        const auto fecha = LeeFechaJet(t.sTexto);
        if (!fecha) LanzaError(QStringLiteral("Error de sintaxis en la fecha '#%1#'").arg(t.sTexto), t.pos);
        auto e = Hoja(TExpresion::TClase::Fecha);
        e->dValor = DiaJet(*fecha);
        return e;
      }
      default: break;
    }
    if (Acepta("(")) {
      if (Actual().EsPalabra("SELECT")) {
        auto e = Nodo(TExpresion::TClase::Subconsulta);
        e->pConsulta = Subconsulta();
        Exige(")");
        return e;
      }
      TExpr e = Expresion();
      Exige(")");
      return e;
    }
    if (t.EsPalabra("EXISTS") && Siguiente(1).EsSimbolo("(") && Siguiente(2).EsPalabra("SELECT")) {
      auto e = Nodo(TExpresion::TClase::Existe);
      Avanza();
      Avanza();
      e->pConsulta = Subconsulta();
      Exige(")");
      return e;
    }
    if (t.EsPalabra("NULL")) return Hoja(TExpresion::TClase::Nulo);
    if (t.EsPalabra("TRUE") || t.EsPalabra("FALSE")) {
      auto e = Hoja(TExpresion::TClase::Booleano);
      e->dValor = t.EsPalabra("TRUE") ? -1 : 0;
      return e;
    }
    if (t.tipo == TTipoToken::Identificador && Siguiente(1).EsSimbolo("(")) return Funcion();
    if (!EsNombre(t)) Inesperado(QStringLiteral("una expresión"));
    auto e = Nodo(TExpresion::TClase::Columna);
    e->sTexto = Nombre();
    if (Acepta(".") || Acepta("!")) {  // Table!Field as Table.Field
      e->sCalificador = e->sTexto;
      e->sTexto = Nombre();
    }
    return e;
  }

  TExpr Funcion() {
    auto e = Nodo(TExpresion::TClase::Funcion);
    e->sTexto = Actual().sTexto;
    const TReglaFuncion* regla = ReglaFuncion(e->sTexto);
    if (!regla) LanzaError(QStringLiteral("Función no definida '%1' en la expresión").arg(e->sTexto), e->pos);
    Avanza();
    Exige("(");
    if (e->sTexto.compare(QLatin1String("COUNT"), Qt::CaseInsensitive) == 0 && Actual().EsSimbolo("*")) {
      e->hijos.push_back(Hoja(TExpresion::TClase::Estrella));
    } else if (!Actual().EsSimbolo(")")) {
      do e->hijos.push_back(Expresion());
      while (Acepta(","));
    }
    Exige(")");
    const int nDados = static_cast<int>(e->hijos.size());
    const int nMaximo = regla->nMaximoArgumentos < 0 ? INT_MAX : std::max(regla->nArgumentos, regla->nMaximoArgumentos);
    if (nDados < regla->nArgumentos || nDados > nMaximo)
      LanzaError(QStringLiteral("Número de argumentos incorrecto para la función '%1'").arg(e->sTexto), e->pos);
    return e;
  }

  // A SELECT inside an expression: no ORDER BY of its own is needed, but Jet allows it.
  std::unique_ptr<TConsulta> Subconsulta() { return Consulta(); }

  // --- helpers ---

  TExpr Binaria(TExpr izquierda, const QString& sOperador, TExpr (TAnalizador::*Operando)()) {
    auto e = std::make_unique<TExpresion>();
    e->clase = TExpresion::TClase::Binario;
    e->sTexto = sOperador.toUpper();
    e->pos = Actual().pos;
    Avanza();
    e->hijos.push_back(std::move(izquierda));
    e->hijos.push_back((this->*Operando)());
    return e;
  }

  TExpr Compuesta(TExpresion::TClase clase, TExpr izquierda, bool bNegada) {
    auto e = std::make_unique<TExpresion>();
    e->clase = clase;
    e->pos = izquierda->pos;
    e->bNegada = bNegada;
    e->hijos.push_back(std::move(izquierda));
    return e;
  }

  TExpr Nodo(TExpresion::TClase clase) {
    auto e = std::make_unique<TExpresion>();
    e->clase = clase;
    e->pos = Actual().pos;
    return e;
  }

  TExpr Hoja(TExpresion::TClase clase) {
    auto e = Nodo(clase);
    e->sTexto = Actual().sTexto;
    Avanza();
    return e;
  }

  static bool EsNombre(const TToken& t) {
    return t.tipo == TTipoToken::NombreCorchetes ||
           (t.tipo == TTipoToken::Identificador && !EsReservada(t.sTexto));
  }

  QString Nombre() {
    if (!EsNombre(Actual())) Inesperado(QStringLiteral("un nombre"));
    const QString s = Actual().sTexto;
    Avanza();
    return s;
  }

  const TToken& Actual() const { return F_tokens[F_n]; }
  const TToken& Siguiente(size_t n) const { return F_tokens[std::min(F_n + n, F_tokens.size() - 1)]; }
  void Avanza() {
    if (F_n + 1 < F_tokens.size()) ++F_n;
  }

  bool Acepta(const char* sSimbolo) {
    if (!Actual().EsSimbolo(sSimbolo)) return false;
    Avanza();
    return true;
  }

  bool AceptaPalabra(const char* sPalabra) {
    if (!Actual().EsPalabra(sPalabra)) return false;
    Avanza();
    return true;
  }

  void Exige(const char* s) {
    if (!Acepta(s) && !AceptaPalabra(s)) Inesperado(QStringLiteral("'%1'").arg(QLatin1String(s)));
  }

  [[noreturn]] void Inesperado(const QString& sEsperado) const {
    const TToken& t = Actual();
    const QString sEncontrado = t.tipo == TTipoToken::Fin ? QStringLiteral("el final de la instrucción")
                                                          : QStringLiteral("'%1'").arg(t.sTexto);
    LanzaError(QStringLiteral("Error de sintaxis: se esperaba %1 y se encontró %2").arg(sEsperado, sEncontrado),
               t.pos);
  }

  [[noreturn]] static void LanzaSoloLectura(const TToken& t) {
    LanzaError(QStringLiteral("La base de datos es de sólo lectura: no se permite %1").arg(t.sTexto.toUpper()),
               t.pos);
  }

  std::vector<TToken> F_tokens;
  size_t F_n = 0;
};

}  // namespace

std::unique_ptr<TConsulta> AnalizaJet(const QString& sSql) {
  auto consulta = TAnalizador(sSql).Analiza();
  ValidaAgrupacion(*consulta);
  return consulta;
}

}  // namespace ado::jet
