// The pipeline's stages called apart: tokens with their positions, and the SQLite text the
// rules produce for a few Jet constructs.
#include "ado/jet/Tokenizador.h"
#include "ado/jet/Traductor.h"

#include <gtest/gtest.h>

namespace {

using ado::jet::TTipoToken;

TEST(TokenizadorJet, DaTipoTextoYPosicion) {
  const auto tokens = ado::jet::Tokeniza(QStringLiteral("SELECT [a b], 'x''y'\n  FROM #2014/01/01# <= 1.5;"));
  const struct {
    TTipoToken tipo;
    const char* sTexto;
    int nLinea, nColumna;
  } esperados[] = {
      {TTipoToken::Identificador, "SELECT", 1, 1}, {TTipoToken::NombreCorchetes, "a b", 1, 8},
      {TTipoToken::Simbolo, ",", 1, 13},           {TTipoToken::Texto, "x'y", 1, 15},
      {TTipoToken::Identificador, "FROM", 2, 3},   {TTipoToken::Fecha, "2014/01/01", 2, 8},
      {TTipoToken::Simbolo, "<=", 2, 21},          {TTipoToken::Numero, "1.5", 2, 24},
      {TTipoToken::Simbolo, ";", 2, 27},           {TTipoToken::Fin, "", 2, 28},
  };
  ASSERT_EQ(tokens.size(), std::size(esperados));
  for (size_t i = 0; i < tokens.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(tokens[i].tipo, esperados[i].tipo);
    EXPECT_EQ(tokens[i].sTexto.toStdString(), esperados[i].sTexto);
    EXPECT_EQ(tokens[i].pos.nLinea, esperados[i].nLinea);
    EXPECT_EQ(tokens[i].pos.nColumna, esperados[i].nColumna);
  }
}

struct TCasoTraduccion {
  const char* sJet;
  const char* sSQLite;
};

class TraduccionJet : public ::testing::TestWithParam<TCasoTraduccion> {};

TEST_P(TraduccionJet, EscribeElSQLiteDeLaRegla) {
  EXPECT_EQ(ado::jet::TraduceJet(QString::fromUtf8(GetParam().sJet)).toStdString(), GetParam().sSQLite);
}

const TCasoTraduccion CC_TRADUCCIONES[] = {
    {"SELECT a = 1 FROM t WHERE a = 1", "SELECT (-(\"a\" = 1)) AS \"Expr1000\" FROM \"t\" WHERE (\"a\" = 1)"},
    {"SELECT 'a' + b AS c, 1 + 2 AS d FROM t",
     "SELECT (jet_mas(('a' COLLATE JET), \"b\") COLLATE JET) AS \"c\", (1 + 2) AS \"d\" FROM \"t\""},
    {"SELECT a & b, a / b FROM t", "SELECT (jet_concat(\"a\", \"b\") COLLATE JET) AS \"Expr1000\", jet_div(\"a\", \"b\") AS \"Expr1001\" FROM \"t\""},
    {"SELECT IIF(ISNULL(a), 0, a) AS x FROM t",
     "SELECT (CASE WHEN (\"a\" IS NULL) THEN 0 ELSE \"a\" END COLLATE JET) AS \"x\" FROM \"t\""},
    {"SELECT x.* FROM [t t] AS x WHERE x.[n m] LIKE '%2%'",
     "SELECT \"x\".* FROM \"t t\" AS \"x\" WHERE jet_like(\"x\".\"n m\", ('%2%' COLLATE JET))"},
    {"SELECT SUM(a <> 0) AS s FROM t", "SELECT jet_sum((-(\"a\" <> 0))) AS \"s\" FROM \"t\""},
    {"SELECT a FROM t WHERE f <= #2014/12/31#", "SELECT \"a\" FROM \"t\" WHERE (\"f\" <= 42004)"},
};

INSTANTIATE_TEST_SUITE_P(Jet, TraduccionJet, ::testing::ValuesIn(CC_TRADUCCIONES));

}  // namespace
