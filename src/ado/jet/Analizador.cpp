#include "ado/jet/Analizador.h"

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

  std::unique_ptr<TConsulta> Analiza() {
    const TToken& primero = Actual();
    if (primero.tipo == TTipoToken::Identificador && EsEscritura(primero.sTexto))
      LanzaSoloLectura(primero);
    if (!primero.EsPalabra("SELECT"))
      LanzaError(QStringLiteral("Instrucción SQL no válida; se esperaba 'SELECT'"), primero.pos);
    auto consulta = Consulta();
    Acepta(";");
    if (Actual().tipo != TTipoToken::Fin) Inesperado(QStringLiteral("el final de la instrucción"));
    return consulta;
  }

 private:
  // --- statements ---

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
        if (orden.pExpresion->clase == TExpresion::TClase::Numero)
          LanzaError(QStringLiteral("ORDER BY con número de columna no está soportado"), orden.pExpresion->pos);
        if (AceptaPalabra("DESC"))
          orden.bDescendente = true;
        else
          AceptaPalabra("ASC");
        consulta->orden.push_back(std::move(orden));
      } while (Acepta(","));
    }
    return consulta;
  }

  TSelect Select() {
    Exige("SELECT");
    TSelect select;
    if (Actual().EsPalabra("TOP") || Actual().EsPalabra("DISTINCTROW"))
      LanzaError(QStringLiteral("%1 no está soportado").arg(Actual().sTexto.toUpper()), Actual().pos);
    if (AceptaPalabra("DISTINCT"))
      select.bDistinct = true;
    else
      AceptaPalabra("ALL");
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
        if (Actual().EsPalabra("SELECT"))
          LanzaError(QStringLiteral("Subconsulta en una expresión no está soportada"), Actual().pos);
        do e->hijos.push_back(Concatenacion());
        while (Acepta(","));
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

  TExpr Aditiva() {
    TExpr e = Multiplicativa();
    while (Actual().EsSimbolo("+") || Actual().EsSimbolo("-"))
      e = Binaria(std::move(e), Actual().sTexto, &TAnalizador::Multiplicativa);
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
      if (Actual().EsPalabra("SELECT"))
        LanzaError(QStringLiteral("Subconsulta en una expresión no está soportada"), Actual().pos);
      TExpr e = Expresion();
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
    if (Acepta(".")) {
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
