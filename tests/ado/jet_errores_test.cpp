// SQL the engine refuses: writes (read-only), what the dialect lacks, syntax, unknown
// names, and errors of Jet's operators while running. Exact class and message.
#include "jet_base.h"

#include <gtest/gtest.h>

namespace {

struct TCasoMalo {
  const char* sNombre;
  const char* sJet;
  const char* sError;
};

class ErroresJet : public ::testing::TestWithParam<TCasoMalo> {};

TEST_P(ErroresJet, RechazaConMensaje) {
  TBaseJet base;
  base.Ejecuta(QStringLiteral("CREATE TABLE t (Id INTEGER, Nombre TEXT COLLATE JET); INSERT INTO t VALUES (1, 'a');"));
  EXPECT_EQ(base.Consulta(QString::fromUtf8(GetParam().sJet)).toStdString(), GetParam().sError) << GetParam().sJet;
  EXPECT_EQ(base.Cuenta(QStringLiteral("SELECT COUNT(1) FROM t")), 1);  // nothing written
  EXPECT_EQ(base.Cuenta(QStringLiteral("SELECT COUNT(1) FROM sqlite_temp_master WHERE type = 'table'")), 0);
}

const TCasoMalo CC_MALOS[] = {
    {"Delete", "DELETE * FROM t",
     "EConsultaADO - La base de datos es de sólo lectura: no se permite DELETE (línea 1, columna 1)"},
    {"Insert", "INSERT INTO t (Id) VALUES (9)",
     "EConsultaADO - La base de datos es de sólo lectura: no se permite INSERT (línea 1, columna 1)"},
    {"Update", "update t set Id = 2",
     "EConsultaADO - La base de datos es de sólo lectura: no se permite UPDATE (línea 1, columna 1)"},
    {"Drop", "DROP TABLE t", "EConsultaADO - La base de datos es de sólo lectura: no se permite DROP (línea 1, columna 1)"},
    {"SelectInto", "SELECT Id INTO t2 FROM t",
     "EConsultaADO - La base de datos es de sólo lectura: no se permite INTO (línea 1, columna 11)"},
    {"NoEsSelect", "SELEC Id FROM t", "EConsultaADO - Instrucción SQL no válida; se esperaba 'SELECT' (línea 1, columna 1)"},
    {"FromVacio", "SELECT Id FROM",
     "EConsultaADO - Error de sintaxis: se esperaba una tabla o una consulta entre paréntesis y se encontró el final de "
     "la instrucción (línea 1, columna 15)"},
    {"PosicionEnVariasLineas", "SELECT Id\nFROM t\nWHERE Id = = 1",
     "EConsultaADO - Error de sintaxis: se esperaba una expresión y se encontró '=' (línea 3, columna 12)"},
    {"SobraTexto", "SELECT Id FROM t WHERE Id = 1 extra",
     "EConsultaADO - Error de sintaxis: se esperaba el final de la instrucción y se encontró 'extra' (línea 1, columna 31)"},
    {"FuncionDesconocida", "SELECT Foo(Id) FROM t",
     "EConsultaADO - Función no definida 'Foo' en la expresión (línea 1, columna 8)"},
    {"ArgumentosDeIif", "SELECT IIF(Id, 1) FROM t",
     "EConsultaADO - Número de argumentos incorrecto para la función 'IIF' (línea 1, columna 8)"},
    {"TextoSinCerrar", "SELECT 'abc FROM t", "EConsultaADO - Texto sin cerrar (línea 1, columna 8)"},
    {"CorcheteSinCerrar", "SELECT [Id FROM t", "EConsultaADO - Nombre entre corchetes sin cerrar (línea 1, columna 8)"},
    {"FechaInvalida", "SELECT #2014/13/01# FROM t",
     "EConsultaADO - Error de sintaxis en la fecha '#2014/13/01#' (línea 1, columna 8)"},
    {"CaracterInvalido", "SELECT Id FROM t WHERE Id = 1 @ 2", "EConsultaADO - Carácter no válido '@' (línea 1, columna 31)"},
    {"TopConDistinct", "SELECT DISTINCT TOP 5 Id FROM t",
     "EConsultaADO - TOP con DISTINCT no está soportado (línea 1, columna 21)"},
    {"TopSinNumero", "SELECT TOP x Id FROM t", "EConsultaADO - TOP necesita un número entero positivo (línea 1, columna 12)"},
    {"TopEnUnion", "SELECT TOP 1 Id FROM t UNION SELECT Id FROM t",
     "EConsultaADO - TOP en una parte de UNION no está soportado"},
    {"OrdenPorNumeroFueraDeRango", "SELECT Id FROM t ORDER BY 2",
     "EConsultaADO - ORDER BY 2: no hay una columna en esa posición (línea 1, columna 27)"},
    {"SubconsultaDeDosCampos", "SELECT Id FROM t WHERE Id = (SELECT Id, Nombre FROM t)",
     "EConsultaADO - La subconsulta debe devolver un solo campo (línea 1, columna 30)"},
    {"TransformSinPivot", "TRANSFORM Count(*) SELECT Id FROM t GROUP BY Id",
     "EConsultaADO - Error de sintaxis: se esperaba 'PIVOT' y se encontró el final de la instrucción (línea 1, columna 48)"},
    {"TransformSinGroupBy", "TRANSFORM Count(*) SELECT Id FROM t PIVOT Nombre",
     "EConsultaADO - TRANSFORM necesita una sola consulta SELECT con GROUP BY (línea 1, columna 37)"},
    {"ParametroDeTipoDesconocido", "PARAMETERS p Cosa; SELECT Id FROM t WHERE Id = p",
     "EConsultaADO - Tipo de datos 'COSA' no válido para el parámetro 'p' (línea 1, columna 12)"},
    {"ConsultaEntreCorchetesMal", "SELECT * FROM [SELECT FROM t]. AS x",
     "EConsultaADO - Error de sintaxis en la consulta entre corchetes (línea 1, columna 15)"},
    {"ArgumentosDeMid", "SELECT Mid(Nombre) FROM t",
     "EConsultaADO - Número de argumentos incorrecto para la función 'Mid' (línea 1, columna 8)"},
    {"ColumnaFueraDelGrupo", "SELECT Id, COUNT(1) AS n FROM t GROUP BY Nombre",
     "EConsultaADO - La consulta no incluye la expresión especificada 'Id' como parte de una función de agregado "
     "(línea 1, columna 8)"},
    {"ColumnaConAgregadoSinGrupo", "SELECT COUNT(1) AS n, t.Nombre FROM t",
     "EConsultaADO - La consulta no incluye la expresión especificada 't.Nombre' como parte de una función de "
     "agregado (línea 1, columna 23)"},
    {"OrdenFueraDelGrupo", "SELECT COUNT(1) AS n FROM t GROUP BY Nombre ORDER BY Id",
     "EConsultaADO - La consulta no incluye la expresión especificada 'Id' como parte de una función de agregado "
     "(línea 1, columna 54)"},
    {"EstrellaAgrupada", "SELECT * FROM t GROUP BY Id",
     "EConsultaADO - No se puede agrupar en campos seleccionados con '*' (línea 1, columna 26)"},
    {"TablaDesconocida", "SELECT * FROM tNada", "EConsultaADO - No se encuentra la tabla o consulta de entrada 'tNada'."},
    {"ColumnaDesconocida", "SELECT Nada FROM t",
     "EConsultaADO - No se han especificado valores para algunos de los parámetros requeridos (columna desconocida "
     "'Nada')."},
    {"ColumnaDesconocidaEnDerivada", "SELECT * FROM (SELECT Nada FROM t) AS d",
     "EConsultaADO - No se han especificado valores para algunos de los parámetros requeridos (columna desconocida "
     "'Nada')."},
    // while running: the statement fails at its first row
    {"MasConTextoNoNumerico", "SELECT Id + Nombre FROM t",
     "Error - No coinciden los tipos de datos en la expresión de criterios."},
    {"DivisionPorCero", "SELECT Id / 0 FROM t", "Error - División por cero."},
    {"SubconsultaConVariasFilas", "SELECT (SELECT Id FROM t UNION ALL SELECT Id FROM t) FROM t",
     "Error - A lo sumo un registro puede ser devuelto por esta subconsulta."},
    {"MonedaDesbordada", "SELECT CCur(900000000000000) * 100 FROM t", "Error - Desbordamiento."},
    // while computing a derived table to keep: nothing half-filled stays
    {"ErrorEnDerivada", "SELECT * FROM (SELECT Id + Nombre AS x FROM t) AS d",
     "EConsultaADO - No coinciden los tipos de datos en la expresión de criterios."},
    {"SumaDeTextoAgrupada", "SELECT Id, SUM(Nombre) AS s FROM t GROUP BY Id",
     "EConsultaADO - No coinciden los tipos de datos en la expresión de criterios."},
};

INSTANTIATE_TEST_SUITE_P(Jet, ErroresJet, ::testing::ValuesIn(CC_MALOS),
                         [](const auto& info) { return std::string(info.param.sNombre); });

}  // namespace
