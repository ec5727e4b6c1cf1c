#include "app/AyudaPrograma.h"

QString TextoUso()
{
  return QStringLiteral(
      "Uso:\n"
      "  encuesta-gafi [--carpeta CARPETA] [--catalogo ARCHIVO.csv] [--sucursal CARPETA]...\n"
      "  encuesta-gafi generar --carpeta CARPETA --usuario USUARIO --password CONTRASEÑA\n"
      "                [--tipo-cambio 13.29 [--forzar-tipo-cambio]] --localidad CLAVE (cinco veces)\n"
      "                [--pdf ARCHIVO.pdf] [--json ARCHIVO.json] [--catalogo ARCHIVO.csv]\n"
      "                [--soporte ARCHIVO.pdf] [--soporte ARCHIVO.json] [--sucursal CARPETA]...\n"
      "  encuesta-gafi localidades --carpeta CARPETA --usuario USUARIO --password CONTRASEÑA\n"
      "                [--catalogo ARCHIVO.csv] [--sucursal CARPETA]...\n"
      "  encuesta-gafi --help\n"
      "  encuesta-gafi --version\n");
}

QString TextoAyuda()
{
  return TextoUso() + QStringLiteral(
      "\n"
      "Sin orden, abre la ventana; la carpeta raíz del Tolvex es la del programa, o CARPETA\n"
      "con --carpeta. La ventana necesita una pantalla; generar no.\n"
      "\n"
      "generar hace lo mismo que el botón \"Generar reporte\" sin abrir la ventana: revisa los\n"
      "datos, se conecta a CARPETA/DataBase/Tolvex.mdb, lee la empresa de CARPETA/Tolvex.INI,\n"
      "valida al administrador, contesta las preguntas y escribe el reporte en lugar de\n"
      "mostrarlo. La confirmación se toma como Sí; lo que la revisión previa encuentra en la\n"
      "base de datos (localidades elegidas que ninguna ciudad del Tolvex tiene, divisas usadas\n"
      "sin Símbolo, sectores de clientes sin Clave de la Actividad) se escribe en la salida de\n"
      "errores.\n"
      "\n"
      "localidades entra como generar (mismas revisiones y rechazos) y lista las claves de\n"
      "localidad del back office (con --sucursal, de la matriz y sus sucursales juntas) con\n"
      "operaciones desde el 1 de noviembre de 2011, de más a menos: clave, número de\n"
      "operaciones, estado y localidad del catálogo (o \"no está en el catálogo\") y los\n"
      "nombres de las ciudades del Tolvex con esa clave.\n"
      "\n"
      "  --carpeta      carpeta raíz del Tolvex (obligatoria para generar)\n"
      "  --usuario      clave del usuario administrador del Tolvex, tal como se escribe\n"
      "  --password     su contraseña, tal como se escribe\n"
      "  --tipo-cambio  tipo de cambio promedio del 2014, mayor que cero; \".\" o el separador\n"
      "                 decimal regional, sin separadores de miles (13.29 si no se indica)\n"
      "  --forzar-tipo-cambio  acepta un tipo de cambio fuera de la mitad al doble del\n"
      "                 sugerido (13.29); sin ella se rechaza (estado 2), porque suele ser un\n"
      "                 error de captura: 1329 en vez de 13.29\n"
      "  --localidad    clave de una localidad del catálogo (ocho dígitos); cinco distintas,\n"
      "                 la de mayor riesgo primero\n"
      "  --pdf          escribe el reporte en este archivo PDF\n"
      "  --json         escribe cada variable del reporte con el texto que imprime\n"
      "                 (null cuando no imprime nada), en el orden de la plantilla\n"
      "  --soporte      escribe el soporte de las respuestas (lo que decidió cada cifra:\n"
      "                listas, empates, operaciones que quedaron fuera y sus consultas):\n"
      "                documento con .pdf, los mismos datos con .json; una vez por formato\n"
      "  Al menos una de --pdf, --json y --soporte. Al final, una línea en la salida de\n"
      "  errores resume las operaciones que quedaron fuera de alguna pregunta.\n"
      "  --sucursal     carpeta raíz del Tolvex de una sucursal, una vez por sucursal (también\n"
      "                 en localidades y en la ventana): el reporte consolida la matriz\n"
      "                 (--carpeta) y sus sucursales en uno solo. Cada sucursal se revisa como\n"
      "                 la matriz (base de datos, empresa de su Tolvex.INI y en su base de\n"
      "                 datos, usuarios conectados, el mismo usuario y contraseña); un rechazo\n"
      "                 nombra su carpeta\n"
      "  --catalogo     catálogo de localidades en lugar del incluido (por ejemplo, el oficial\n"
      "                 del regulador), con sus columnas IdLocalidad,IdEstado,Localidad,Clave:\n"
      "                 claves de ocho dígitos sin repetir, estados del catálogo de estados,\n"
      "                 nombres de hasta 45 caracteres; un error indica la línea\n"
      "  --help, -h     muestra esta ayuda\n"
      "  --version      muestra la versión del programa\n"
      "\n"
      "Estado de salida:\n"
      "  0  reporte escrito y todas las preguntas contestadas; también --help y --version\n"
      "  1  reporte escrito, pero alguna pregunta falló\n"
      "  2  la orden es incorrecta: opción desconocida o sin valor, datos inválidos, carpeta\n"
      "     de salida inexistente, archivo de salida que no se puede escribir, o la ventana\n"
      "     sin pantalla\n"
      "  3  el back office rechazó la ejecución (carpeta o base de datos ausente, sin conexión,\n"
      "     número de empresa, usuarios conectados, acceso rechazado)\n"
      "  4  error inesperado\n");
}

QString TextoVersion()
{
  return QStringLiteral("encuesta-gafi " ENCUESTA_VERSION "\n"
                        "Encuesta de Evaluación de Riesgo GAFI 2016\n");
}

QString TextoErrorUso(const QString& sError)
{
  return sError + QStringLiteral("\n\n") + TextoUso() +
         QStringLiteral("\nUse encuesta-gafi --help para ver todas las opciones.\n");
}
