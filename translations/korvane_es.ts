<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Desktop</name>
    <message>
        <source>Korvane</source>
        <extracomment>Name: the program&apos;s name in the menu; keep it as it is</extracomment>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>SO2 Calculator</source>
        <extracomment>GenericName: what kind of program it is, under or beside its name in the menu</extracomment>
        <translation>Calculador de SO2</translation>
    </message>
    <message>
        <source>Work out how much sulphite a wine needs</source>
        <extracomment>Comment: the tooltip of the menu entry; the line under the name in a software centre</extracomment>
        <translation>Calcular cuánto sulfito necesita un vino</translation>
    </message>
    <message>
        <source>sulphite;sulfite;SO2;wine;metabisulphite;metabisulfite;winemaking;calculator;</source>
        <extracomment>Keywords: words a menu search finds it by, each followed by a semicolon</extracomment>
        <translation>sulfito;SO2;vino;metabisulfito;sulfitado;vinificación;enología;calculadora;</translation>
    </message>
    <message>
        <source>Korvane is an SO2 (sulphite) calculator for winemakers. Enter the wine&apos;s pH, the free SO2 you measured, the batch size and the level you want to reach, given as free SO2 or as molecular SO2, and Korvane computes:</source>
        <extracomment>a paragraph of the description in a software centre</extracomment>
        <translation>Korvane es un calculador de SO2 (sulfito) para enólogos. Introduzca el pH del vino, el SO2 libre medido, el volumen del lote y el nivel que desea alcanzar, como SO2 libre o como SO2 molecular, y Korvane calcula:</translation>
    </message>
    <message>
        <source>the molecular SO2 the wine holds now, and the target in the other kind</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>el SO2 molecular que contiene ahora el vino, y el objetivo expresado en la otra forma</translation>
    </message>
    <message>
        <source>how much free and molecular SO2 must be added, in mg/L</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>cuánto SO2 libre y molecular hay que añadir, en mg/L</translation>
    </message>
    <message>
        <source>how much potassium or sodium metabisulphite delivers it: as a number of tablets, as grams and teaspoons of powder, or as millilitres and teaspoons of a stock solution of the strength you use</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>cuánto metabisulfito potásico o sódico lo aporta: en número de tabletas, en gramos y cucharaditas de polvo, o en mililitros y cucharaditas de una solución madre de la concentración que utilice</translation>
    </message>
    <message>
        <source>Entries that cannot be right are refused, and unusual ones are questioned before anything is computed. The command korvane-calc does the same work from a terminal or a script.</source>
        <extracomment>a paragraph of the description in a software centre</extracomment>
        <translation>Los valores imposibles se rechazan, y los inusuales se confirman con una pregunta antes de calcular nada. La orden korvane-calc hace el mismo trabajo desde una terminal o un script.</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>This tank&apos;s details were changed on two devices while apart: the version edited last is shown. Look at the others below and keep the right one.</source>
        <translation>Los datos de este depósito se cambiaron en dos dispositivos por separado: se muestra la versión editada en último lugar. Mire las demás abajo y conserve la correcta.</translation>
    </message>
    <message>
        <source>Edited %1</source>
        <translation>Editada el %1</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>mostrada</translation>
    </message>
    <message>
        <source>Keep this version</source>
        <translation>Conservar esta versión</translation>
    </message>
    <message>
        <source>The version kept is now this tank&apos;s details on every device; the others stay in its history.</source>
        <translation>La versión conservada es ahora la de este depósito en todos los dispositivos; las demás quedan en su historial.</translation>
    </message>
    <message>
        <source>The volume or target of this tank differs between its versions: this dose is worked out on the one edited last.</source>
        <translation>El volumen o el objetivo de este depósito difiere entre sus versiones: esta dosis se calcula sobre la editada en último lugar.</translation>
    </message>
    <message>
        <source>The volume or target of this tank differs between two devices, so this dose may be wrong. Plan it anyway? Keeping the right version of the tank ends this question.</source>
        <translation>El volumen o el objetivo de este depósito difiere entre dos dispositivos: esta dosis puede ser errónea. ¿Planificarla de todos modos? Conservar la versión correcta del depósito pone fin a esta pregunta.</translation>
    </message>
    <message>
        <source>Sharing between devices</source>
        <translation>Compartir entre dispositivos</translation>
    </message>
    <message>
        <source>Last synced: %1.</source>
        <translation>Última sincronización: %1.</translation>
    </message>
    <message>
        <source>Not synced yet.</source>
        <translation>Aún no sincronizado.</translation>
    </message>
    <message>
        <source>Changes waiting to go: %1.</source>
        <translation>Cambios pendientes de enviar: %1.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de datos</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Remember the password on this device</source>
        <translation>Recordar la contraseña en este dispositivo</translation>
    </message>
    <message>
        <source>Without it, the page asks for the password once per visit.</source>
        <translation>Si no, la página pide la contraseña una vez por visita.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>Stop syncing and forget the password</source>
        <translation>Detener la sincronización y olvidar la contraseña</translation>
    </message>
    <message>
        <source>Only https:// addresses: a password must not cross a network in clear, and a page served over HTTPS may not call plain HTTP. Plain http:// is for this machine only (localhost).</source>
        <translation>Solo direcciones https://: una contraseña no debe cruzar una red en claro, y una página servida por HTTPS no puede llamar a HTTP simple. El http:// simple es solo para esta máquina (localhost).</translation>
    </message>
    <message>
        <source>Give the account and its password in their own fields, not in the address.</source>
        <translation>Indique la cuenta y su contraseña en sus propios campos, no en la dirección.</translation>
    </message>
    <message>
        <source>This is not a server address (https://…).</source>
        <translation>Esto no es una dirección de servidor (https://…).</translation>
    </message>
    <message>
        <source>A database name: small letters, digits and _$()+-/, starting with a letter.</source>
        <translation>Un nombre de base de datos: letras minúsculas, cifras y _$()+-/, empezando por una letra.</translation>
    </message>
    <message>
        <source>Give the account.</source>
        <translation>Indique la cuenta.</translation>
    </message>
    <message>
        <source>Give the account&apos;s password.</source>
        <translation>Indique la contraseña de la cuenta.</translation>
    </message>
    <message>
        <source>Sync stopped; the password is no longer kept on this device.</source>
        <translation>Sincronización detenida; la contraseña ya no se guarda en este dispositivo.</translation>
    </message>
    <message>
        <source>Connecting to the server…</source>
        <translation>Conectando con el servidor…</translation>
    </message>
    <message>
        <source>The server refused this account or password. Nothing kept on this device is lost.</source>
        <translation>El servidor rechazó esta cuenta o contraseña. No se pierde nada de lo guardado en este dispositivo.</translation>
    </message>
    <message>
        <source>The database %1 does not exist on the server. Nothing kept on this device is lost.</source>
        <translation>La base de datos %1 no existe en el servidor. No se pierde nada de lo guardado en este dispositivo.</translation>
    </message>
    <message>
        <source>The account %2 may not read the database %1. Nothing kept on this device is lost.</source>
        <translation>La cuenta %2 no puede leer la base de datos %1. No se pierde nada de lo guardado en este dispositivo.</translation>
    </message>
    <message>
        <source>The server does not answer: it may be stopped, or the address is wrong. Nothing kept on this device is lost; the page tries again every half minute.</source>
        <translation>El servidor no responde: puede estar detenido, o la dirección es errónea. No se pierde nada de lo guardado en este dispositivo; la página lo intenta de nuevo cada medio minuto.</translation>
    </message>
    <message>
        <source>The server could not be used just now. Nothing kept on this device is lost; the page tries again every half minute.</source>
        <translation>No se pudo usar el servidor ahora. No se pierde nada de lo guardado en este dispositivo; la página lo intenta de nuevo cada medio minuto.</translation>
    </message>
    <message>
        <source>The connection to the server dropped. The register keeps working on this device, and its changes go when the server answers again.</source>
        <translation>Se cortó la conexión con el servidor. El registro sigue funcionando en este dispositivo, y sus cambios se enviarán cuando el servidor vuelva a responder.</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Sincronizando…</translation>
    </message>
    <message>
        <source>In step with the server.</source>
        <translation>Al día con el servidor.</translation>
    </message>
    <message>
        <source>Not shared: the register is kept on this device only.</source>
        <translation>Sin compartir: el registro solo se guarda en este dispositivo.</translation>
    </message>
    <message>
        <source>Give the account&apos;s password to sync during this visit.</source>
        <translation>Indique la contraseña de la cuenta para sincronizar durante esta visita.</translation>
    </message>
    <message>
        <source>A cellar file</source>
        <translation>Un archivo de bodega</translation>
    </message>
    <message>
        <source>Above the legal limit.</source>
        <translation>Por encima del límite legal.</translation>
    </message>
    <message>
        <source>Addition method</source>
        <translation>Forma de adición</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Dosis</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Binding factor</source>
        <translation>Factor de combinación</translation>
    </message>
    <message>
        <source>Calculate the questioned tanks too</source>
        <translation>Calcular también los depósitos cuestionados</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Elegir un archivo</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Coma</translation>
    </message>
    <message>
        <source>Decimal mark</source>
        <translation>Separador decimal</translation>
    </message>
    <message>
        <source>Download CSV</source>
        <translation>Descargar el CSV</translation>
    </message>
    <message>
        <source>Drop a cellar file here (CSV or text, one tank a row), or choose one.</source>
        <translation>Suelte aquí un archivo de bodega (CSV o texto, un depósito por fila), o elija uno.</translation>
    </message>
    <message>
        <source>EU</source>
        <translation>UE</translation>
    </message>
    <message>
        <source>EU organic</source>
        <translation>UE ecológico</translation>
    </message>
    <message>
        <source>Found from the file</source>
        <translation>Deducido del archivo</translation>
    </message>
    <message>
        <source>Hectolitres</source>
        <translation>Hectolitros</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Legal limit</source>
        <translation>Límite legal</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Liqueur wine</source>
        <translation>Vino de licor</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No legal limit chosen: the total is checked against none.</source>
        <translation>No se ha elegido ningún límite legal: el total no se compara con ninguno.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>No indicado</translation>
    </message>
    <message>
        <source>OIV</source>
        <translation>OIV</translation>
    </message>
    <message>
        <source>Own limit</source>
        <translation>Límite propio</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Projected total SO2</source>
        <translation>SO2 total previsto</translation>
    </message>
    <message>
        <source>Quality sparkling</source>
        <translation>Espumoso de calidad</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Tinto</translation>
    </message>
    <message>
        <source>Restore system defaults</source>
        <translation>Restaurar valores del sistema</translation>
    </message>
    <message>
        <source>Rosé</source>
        <translation>Rosado</translation>
    </message>
    <message>
        <source>SO2 added</source>
        <translation>SO2 añadido</translation>
    </message>
    <message>
        <source>Save as my defaults</source>
        <translation>Guardar como valores predeterminados</translation>
    </message>
    <message>
        <source>Saved as your defaults.</source>
        <translation>Valores predeterminados guardados.</translation>
    </message>
    <message>
        <source>Your defaults were not kept: this browser refuses to store anything for this page.</source>
        <translation>Sus valores predeterminados no se han guardado: este navegador se niega a almacenar nada para esta página.</translation>
    </message>
    <message>
        <source>Sparkling</source>
        <translation>Espumoso</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Still</source>
        <translation>Tranquilo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Tipo de vino</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translation>Azúcar</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>The first %1 rows; the CSV holds them all.</source>
        <translation>Las primeras %1 filas; el CSV las contiene todas.</translation>
    </message>
    <message>
        <source>The form gives what the file lacks: its sulphite form, method, solution strength and tablet weight, its unit when the file names none, and its target and target kind when the file has no target column. A target column needs its kind, from the file or named below. Each tank&apos;s pH, free SO2 and size must be in the file. The file never leaves this device.</source>
        <translation>El formulario aporta lo que falta en el archivo: la forma de sulfito, la forma de adición, el porcentaje de la solución, el peso de la tableta, la unidad cuando el archivo no indica ninguna, y el objetivo con su tipo cuando el archivo no tiene columna de objetivo. Una columna de objetivo necesita su tipo, del archivo o elegido abajo. El pH, el SO2 libre y el volumen de cada depósito deben figurar en el archivo. El archivo nunca sale de este dispositivo.</translation>
    </message>
    <message>
        <source>Total SO2</source>
        <translation>SO2 total</translation>
    </message>
    <message>
        <source>Total SO2 and its legal limit</source>
        <translation>SO2 total y su límite legal</translation>
    </message>
    <message>
        <source>Total SO2 limit</source>
        <translation>Límite de SO2 total</translation>
    </message>
    <message>
        <source>US</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Your own limit, which wins over the legal one.</source>
        <translation>Su propio límite, que prevalece sobre el legal.</translation>
    </message>
    <message>
        <source>the form</source>
        <translation>el formulario</translation>
    </message>
    <message>
        <source>Not calculated</source>
        <translation>No calculado</translation>
    </message>
    <message>
        <source>Write a decimal with a point, as in 22.5.</source>
        <translation>Escriba los decimales con punto, como en 22.5.</translation>
    </message>
    <message>
        <source>Free SO2 target</source>
        <translation>SO2 libre objetivo</translation>
    </message>
    <message>
        <source>Molecular SO2 target</source>
        <translation>SO2 molecular objetivo</translation>
    </message>
    <message>
        <source>%1 is %2 MB, and the page takes files up to %3 MB: run korvane-calc --batch on it.</source>
        <translation>%1 ocupa %2 MB, y la página acepta archivos de hasta %3 MB: procéselo con korvane-calc --batch.</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>no addition</source>
        <translation>sin adición</translation>
    </message>
    <message>
        <source>question</source>
        <translation>pregunta</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Free SO2</source>
        <translation>SO2 libre</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Target kind</source>
        <translation>Tipo de objetivo</translation>
    </message>
    <message>
        <source>Rows: %1. ok: %2, no addition: %3, questions: %4, errors: %5, blank: %6.</source>
        <translation>Filas: %1. ok: %2, sin adición: %3, preguntas: %4, errores: %5, vacías: %6.</translation>
    </message>
    <message>
        <source>Not calculated, by line: %1.</source>
        <translation>No calculadas, por línea: %1.</translation>
    </message>
    <message>
        <source>And %1 more.</source>
        <translation>Y %1 más.</translation>
    </message>
    <message>
        <source>The file is not UTF-8: it was read as Windows-1252.</source>
        <translation>El archivo no es UTF-8: se leyó como Windows-1252.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; could be %3 or %4: say which decimal mark the file uses.</source>
        <translation>%1 &quot;%2&quot; puede ser %3 o %4: indique el separador decimal del archivo.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; sets its thousands apart in groups that are not whole.</source>
        <translation>%1 &quot;%2&quot; separa los miles en grupos incompletos.</translation>
    </message>
    <message>
        <source>%1 has a target column but no target_kind column: add one, or choose the kind of the file&apos;s targets in the list below.</source>
        <translation>%1 tiene una columna target pero ninguna columna target_kind: añada una, o elija el tipo de los objetivos del archivo en la lista de abajo.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes. Close the quote, then run the batch again.</source>
        <translation>La línea %1 abre unas comillas que nunca se cierran. Ciérrelas y vuelva a procesar el archivo.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes: the 1 line after it would be read as one field. Close the quote, then run the batch again.</source>
        <translation>La línea %1 abre unas comillas que nunca se cierran: la línea siguiente se leería como un solo campo. Ciérrelas y vuelva a procesar el archivo.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes: the %2 lines after it would be read as one field. Close the quote, then run the batch again.</source>
        <translation>La línea %1 abre unas comillas que nunca se cierran: las %2 líneas siguientes se leerían como un solo campo. Ciérrelas y vuelva a procesar el archivo.</translation>
    </message>
    <message>
        <source>Line %1 holds a byte that is not UTF-8, though the file begins as UTF-8: save it as UTF-8 (or as Unicode text), then run the batch again.</source>
        <translation>La línea %1 contiene un byte que no es UTF-8, aunque el archivo empieza en UTF-8: guárdelo en UTF-8 (o como texto Unicode) y vuelva a procesarlo.</translation>
    </message>
    <message>
        <source>Line %1 writes %2 with the comma as its decimal mark, but line %3 writes %4 with the point: the file mixes decimal marks. Correct it, then run the batch again.</source>
        <translation>La línea %1 escribe %2 con la coma como separador decimal, pero la línea %3 escribe %4 con el punto: el archivo mezcla separadores decimales. Corríjalo y vuelva a procesarlo.</translation>
    </message>
    <message>
        <source>Line %1 writes %2 with the point as its decimal mark, but line %3 writes %4 with the comma: the file mixes decimal marks. Correct it, then run the batch again.</source>
        <translation>La línea %1 escribe %2 con el punto como separador decimal, pero la línea %3 escribe %4 con la coma: el archivo mezcla separadores decimales. Corríjalo y vuelva a procesarlo.</translation>
    </message>
    <message>
        <source>Kind of the file&apos;s targets</source>
        <translation>Tipo de los objetivos del archivo</translation>
    </message>
    <message>
        <source>Not named</source>
        <translation>Sin indicar</translation>
    </message>
    <message>
        <source>Every row takes the form&apos;s unit: %1.</source>
        <translation>Cada fila toma la unidad del formulario: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be thousands or a decimal: write it without the point, or with a decimal comma.</source>
        <translation>«%1» puede ser miles o un decimal: escríbalo sin el punto, o con la coma decimal.</translation>
    </message>
    <message>
        <source>The register</source>
        <translation>El registro</translation>
    </message>
    <message>
        <source>The device&apos;s storage is full: this record was not kept. Everything kept before is still there; free some space and save again.</source>
        <translation>El almacenamiento del dispositivo está lleno: este registro no se ha guardado. Todo lo guardado antes sigue ahí; libere espacio y guarde de nuevo.</translation>
    </message>
    <message>
        <source>The browser refuses to keep the register (private browsing, or storage turned off): nothing can be kept on this device.</source>
        <translation>El navegador se niega a guardar el registro (navegación privada o almacenamiento desactivado): no se puede guardar nada en este dispositivo.</translation>
    </message>
    <message>
        <source>This record was not kept.</source>
        <translation>Este registro no se ha guardado.</translation>
    </message>
    <message>
        <source>New tank</source>
        <translation>Nuevo depósito</translation>
    </message>
    <message>
        <source>Show retired tanks</source>
        <translation>Mostrar los depósitos retirados</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Quién</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Liqueur</source>
        <translation>De licor</translation>
    </message>
    <message>
        <source>Tank details</source>
        <translation>Datos del depósito</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Regime</source>
        <translation>Normativa</translation>
    </message>
    <message>
        <source>Own limit (mg/L)</source>
        <translation>Límite propio (mg/L)</translation>
    </message>
    <message>
        <source>Target (mg/L)</source>
        <translation>Objetivo (mg/L)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Retired</source>
        <translation>Retirado</translation>
    </message>
    <message>
        <source>Save the tank</source>
        <translation>Guardar el depósito</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Free SO2 (mg/L)</source>
        <translation>SO2 libre (mg/L)</translation>
    </message>
    <message>
        <source>Total SO2 (mg/L, optional)</source>
        <translation>SO2 total (mg/L, opcional)</translation>
    </message>
    <message>
        <source>Sugar (g/L, optional)</source>
        <translation>Azúcar (g/L, opcional)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Save the analysis and work out the dose</source>
        <translation>Guardar el análisis y calcular la dosis</translation>
    </message>
    <message>
        <source>Work order</source>
        <translation>Orden de trabajo</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Print the work order</source>
        <translation>Imprimir la orden de trabajo</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>SO2 added (mg/L)</source>
        <translation>SO2 añadido (mg/L)</translation>
    </message>
    <message>
        <source>Total SO2 after (mg/L)</source>
        <translation>SO2 total después (mg/L)</translation>
    </message>
    <message>
        <source>Initials</source>
        <translation>Iniciales</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Drop a cellar file here to add its tanks to the register, each with its row as an analysis.</source>
        <translation>Suelte aquí un archivo de bodega para añadir sus depósitos al registro, cada uno con su fila como análisis.</translation>
    </message>
    <message>
        <source>Take tanks from a cellar file</source>
        <translation>Tomar los depósitos de un archivo de bodega</translation>
    </message>
    <message>
        <source>Export the tanks (cellar CSV)</source>
        <translation>Exportar los depósitos (CSV de bodega)</translation>
    </message>
    <message>
        <source>Export the additions (CSV)</source>
        <translation>Exportar las adiciones (CSV)</translation>
    </message>
    <message>
        <source>Back up the register</source>
        <translation>Hacer una copia del registro</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurar una copia</translation>
    </message>
    <message>
        <source>Choose a tank</source>
        <translation>Elegir un depósito</translation>
    </message>
    <message>
        <source>No tank yet</source>
        <translation>Aún ningún depósito</translation>
    </message>
    <message>
        <source>retired</source>
        <translation>retirado</translation>
    </message>
    <message>
        <source>An addition of this tank was recorded as done twice (two devices, or one offline): both count in its total until one is withdrawn in the history below.</source>
        <translation>Una adición de este depósito se registró como hecha dos veces (dos dispositivos, o uno sin conexión): ambas cuentan en su total hasta que se retire una en el historial de abajo.</translation>
    </message>
    <message>
        <source>This tank&apos;s details were changed on two devices: the ones shown won; check them and save.</source>
        <translation>Los datos de este depósito se cambiaron en dos dispositivos: prevalecen los mostrados; revíselos y guarde.</translation>
    </message>
    <message>
        <source>No analysis yet: enter the first one below.</source>
        <translation>Aún no hay análisis: introduzca el primero abajo.</translation>
    </message>
    <message>
        <source>Latest analysis</source>
        <translation>Último análisis</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>no medido</translation>
    </message>
    <message>
        <source>Total SO2 as last measured, with the additions since</source>
        <translation>SO2 total en la última medida, con las adiciones desde entonces</translation>
    </message>
    <message>
        <source>limit</source>
        <translation>límite</translation>
    </message>
    <message>
        <source>over the limit</source>
        <translation>por encima del límite</translation>
    </message>
    <message>
        <source>An addition is planned since the latest analysis: enter a new analysis to work out another.</source>
        <translation>Hay una adición prevista desde el último análisis: introduzca un análisis nuevo para calcular otra.</translation>
    </message>
    <message>
        <source>No addition needed.</source>
        <translation>No hace falta ninguna adición.</translation>
    </message>
    <message>
        <source>Dose</source>
        <translation>Dosis</translation>
    </message>
    <message>
        <source>Plan this addition</source>
        <translation>Prever esta adición</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Corregir</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Retirar</translation>
    </message>
    <message>
        <source>Planned addition withdrawn.</source>
        <translation>Adición prevista retirada.</translation>
    </message>
    <message>
        <source>An addition withdrawn on one device was recorded as done on another: it was made, so it counts in the total. Look at the history below before planning another.</source>
        <translation>Una adición retirada en un dispositivo se registró como hecha en otro: se hizo, así que cuenta en el total. Mire el historial de abajo antes de prever otra.</translation>
    </message>
    <message>
        <source>An addition was planned on an analysis corrected since: it is left off the work order. Withdraw it in the history below, and plan again from the new dose.</source>
        <translation>Se previó una adición sobre un análisis corregido después: queda fuera de la orden de trabajo. Retírela en el historial de abajo, y prevea de nuevo según la nueva dosis.</translation>
    </message>
    <message>
        <source>The addition planned on the analysis it corrects was withdrawn: plan it again from the new dose.</source>
        <translation>La adición prevista sobre el análisis que corrige se ha retirado: prevéala de nuevo según la nueva dosis.</translation>
    </message>
    <message>
        <source>Addition done</source>
        <translation>Adición hecha</translation>
    </message>
    <message>
        <source>Addition planned</source>
        <translation>Adición prevista</translation>
    </message>
    <message>
        <source>SO2 of the tank over time: free, molecular, total and its limit, with the additions.</source>
        <translation>El SO2 del depósito a lo largo del tiempo: libre, molecular, total y su límite, con las adiciones.</translation>
    </message>
    <message>
        <source>Molecular SO2</source>
        <translation>SO2 molecular</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Límite</translation>
    </message>
    <message>
        <source>Additions</source>
        <translation>Adiciones</translation>
    </message>
    <message>
        <source>Not done</source>
        <translation>No hecho</translation>
    </message>
    <message>
        <source>No addition planned for this day.</source>
        <translation>Ninguna adición prevista para este día.</translation>
    </message>
    <message>
        <source>A tank needs a name.</source>
        <translation>Un depósito necesita un nombre.</translation>
    </message>
    <message>
        <source>Another tank has this name.</source>
        <translation>Otro depósito tiene este nombre.</translation>
    </message>
    <message>
        <source>Tank saved.</source>
        <translation>Depósito guardado.</translation>
    </message>
    <message>
        <source>Save the tank first.</source>
        <translation>Guarde primero el depósito.</translation>
    </message>
    <message>
        <source>Give the date and time of the analysis.</source>
        <translation>Indique la fecha y la hora del análisis.</translation>
    </message>
    <message>
        <source>Analysis saved.</source>
        <translation>Análisis guardado.</translation>
    </message>
    <message>
        <source>Correct the analysis and save it: the new one replaces it, and the old one is kept.</source>
        <translation>Corrija el análisis y guárdelo: el nuevo lo sustituye, y el antiguo se conserva.</translation>
    </message>
    <message>
        <source>Addition planned: it is on the work order.</source>
        <translation>Adición prevista: está en la orden de trabajo.</translation>
    </message>
    <message>
        <source>Addition recorded as done.</source>
        <translation>Adición registrada como hecha.</translation>
    </message>
    <message>
        <source>Tanks taken from the file: %1.</source>
        <translation>Depósitos tomados del archivo: %1.</translation>
    </message>
    <message>
        <source>Rows not taken for an error: %1. The first is line %2: %3</source>
        <translation>Filas no tomadas por un error: %1. La primera es la línea %2: %3</translation>
    </message>
    <message>
        <source>%1 has a target column but no target_kind column: add one to the file, with free or molecular on each row.</source>
        <translation>%1 tiene una columna target pero ninguna columna target_kind: añada una al archivo, con free o molecular en cada fila.</translation>
    </message>
    <message>
        <source>A dose&apos;s questions are asked when its analysis is entered: correct the analysis and save it to answer them.</source>
        <translation>Las preguntas de una dosis se hacen al introducir su análisis: corrija el análisis y guárdelo para responderlas.</translation>
    </message>
    <message>
        <source>Backup restored: %1 records.</source>
        <translation>Copia restaurada: %1 registros.</translation>
    </message>
    <message>
        <source>This file is not a backup of the register.</source>
        <translation>Este archivo no es una copia del registro.</translation>
    </message>
    <message>
        <source>The register could not be opened: the tanks listed are those this device showed last, and nothing can be changed.</source>
        <translation>No se pudo abrir el registro: los depósitos listados son los que este dispositivo mostró por última vez, y no se puede cambiar nada.</translation>
    </message>
    <message>
        <source>European Union</source>
        <translation>Unión Europea</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Líquido</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tableta</translation>
    </message>
    <message>
        <source>Molecular</source>
        <translation>Molecular</translation>
    </message>
    <message>
        <source>tablets</source>
        <translation>tabletas</translation>
    </message>
    <message>
        <source>teaspoons</source>
        <translation>cucharaditas</translation>
    </message>
    <message>
        <source>US gallons</source>
        <translation>galones estadounidenses</translation>
    </message>
    <message>
        <source>Imperial gallons</source>
        <translation>galones imperiales</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculador</translation>
    </message>
    <message>
        <source>Provided as is.</source>
        <translation>Se ofrece tal cual.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>frmSettings</name>
    <message>
        <source>Default Settings</source>
        <translation>Ajustes predeterminados</translation>
    </message>
    <message>
        <source>Close and save settings.</source>
        <translation>Guardar los ajustes y cerrar.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Close without saving settings.</source>
        <translation>Cerrar sin guardar los ajustes.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Sulphite Data</source>
        <translation>Datos del sulfito</translation>
    </message>
    <message>
        <source>Default sulphite form.</source>
        <translation>Tipo de sulfito predeterminado.</translation>
    </message>
    <message>
        <source>Powder</source>
        <translation>Polvo</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Líquido</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tabl.</translation>
    </message>
    <message>
        <source>Default solution %.</source>
        <translation>% de solución madre predeterminado.</translation>
    </message>
    <message>
        <source>Increase or decrease solution percentage</source>
        <translation>Aumentar o disminuir el porcentaje de la solución madre</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Default tablet weight.</source>
        <translation>Peso de tableta predeterminado.</translation>
    </message>
    <message>
        <source>Increase or decrease tablet weight</source>
        <translation>Aumentar o disminuir el peso de la tableta</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Batch Data</source>
        <translation>Datos del lote</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Vol.</translation>
    </message>
    <message>
        <source>Default batch size.</source>
        <translation>Volumen de lote predeterminado.</translation>
    </message>
    <message>
        <source>Increase or decrease batch size</source>
        <translation>Aumentar o disminuir el volumen del lote</translation>
    </message>
    <message>
        <source>Default batch units.</source>
        <translation>Unidades de volumen predeterminadas.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Restore System Settings</source>
        <translation>Restaurar los ajustes del sistema</translation>
    </message>
    <message>
        <source>&amp;Restore System Defaults</source>
        <translation>&amp;Restaurar valores del sistema</translation>
    </message>
</context>
<context>
    <name>frmSulfite</name>
    <message>
        <source>Sulphite Data</source>
        <translation>Datos del sulfito</translation>
    </message>
    <message>
        <source>Sulphite source</source>
        <translation>Tipo de sulfito</translation>
    </message>
    <message>
        <source>Powder</source>
        <translation>Polvo</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Líquido</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tabl.</translation>
    </message>
    <message>
        <source>Percentage of metabisulphite</source>
        <translation>Porcentaje de metabisulfito</translation>
    </message>
    <message>
        <source>Solution percentage</source>
        <translation>Porcentaje de la solución madre</translation>
    </message>
    <message>
        <source>Increase or decrease solution percentage</source>
        <translation>Aumentar o disminuir el porcentaje de la solución madre</translation>
    </message>
    <message>
        <source>Mass of 1 tablet</source>
        <translation>Peso de 1 tableta</translation>
    </message>
    <message>
        <source>Tablet weight</source>
        <translation>Peso de la tableta</translation>
    </message>
    <message>
        <source>Increase or decrease tablet weight</source>
        <translation>Aumentar o disminuir el peso de la tableta</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Batch Data</source>
        <translation>Datos del lote</translation>
    </message>
    <message>
        <source>Batch size units.</source>
        <translation>Unidades de volumen del lote.</translation>
    </message>
    <message>
        <source>Batch Size</source>
        <translation>Volumen del lote</translation>
    </message>
    <message>
        <source>Increase or decrease batch size</source>
        <translation>Aumentar o disminuir el volumen del lote</translation>
    </message>
    <message>
        <source>Wine pH level.</source>
        <translation>pH del vino.</translation>
    </message>
    <message>
        <source>Increase or decrease pH</source>
        <translation>Aumentar o disminuir el pH</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Vol.</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Measured free SO2 level.</source>
        <translation>Nivel de SO2 libre medido.</translation>
    </message>
    <message>
        <source>Increase or decrease existing SO2</source>
        <translation>Aumentar o disminuir el SO2 actual</translation>
    </message>
    <message>
        <source>Desired free SO2 target level.</source>
        <translation>Nivel deseado de SO2 libre.</translation>
    </message>
    <message>
        <source>Increase or decrease target free SO2</source>
        <translation>Aumentar o disminuir el SO2 libre objetivo</translation>
    </message>
    <message>
        <source>Desired molecular SO2 target level.</source>
        <translation>Nivel deseado de SO2 molecular.</translation>
    </message>
    <message>
        <source>Target molecular SO2</source>
        <translation>SO2 molecular objetivo</translation>
    </message>
    <message>
        <source>Increase or decrease target molecular SO2</source>
        <translation>Aumentar o disminuir el SO2 molecular objetivo</translation>
    </message>
    <message>
        <source>Calculated existing molecular SO2 level.</source>
        <translation>Nivel calculado de SO2 molecular actual.</translation>
    </message>
    <message>
        <source>Incremental free SO2 required.</source>
        <translation>Aumento de SO2 libre necesario.</translation>
    </message>
    <message>
        <source>Incremental molecular SO2 required.</source>
        <translation>Aumento de SO2 molecular necesario.</translation>
    </message>
    <message>
        <source>Amount of sulphite required to achieve target SO2 level.</source>
        <translation>Cantidad de sulfito necesaria para alcanzar el nivel de SO2 objetivo.</translation>
    </message>
    <message>
        <source>Total Free  </source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Molecular</source>
        <translation>Molecular</translation>
    </message>
    <message>
        <source>(mg/L)</source>
        <translation>(mg/L)</translation>
    </message>
    <message>
        <source>Existing SO2</source>
        <translation>SO2 actual</translation>
    </message>
    <message>
        <source>Target SO2</source>
        <translation>SO2 objetivo</translation>
    </message>
    <message>
        <source>SO2 Requirement</source>
        <translation>SO2 necesario</translation>
    </message>
    <message>
        <source>Required Addition </source>
        <translation>Dosis a añadir</translation>
    </message>
    <message>
        <source>Compute sulphite requirements.</source>
        <translation>Calcular la dosis de sulfito necesaria.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>Información del programa</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Select default settings</source>
        <translation>Elegir los ajustes predeterminados</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Cerrar la aplicación</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>korvane</name>
    <message>
        <source>Limit %1 mg/L: %2</source>
        <translation>Límite %1 mg/L: %2</translation>
    </message>
    <message>
        <source>Potassium Metabisulphite</source>
        <translation>Metabisulfito potásico</translation>
    </message>
    <message>
        <source>Sodium Metabisulphite</source>
        <translation>Metabisulfito sódico</translation>
    </message>
    <message>
        <source>The limit must be a number of mg/L above 0 and up to 1000000.</source>
        <translation>El límite debe ser un número de mg/L mayor que 0 y como máximo 1000000.</translation>
    </message>
    <message>
        <source>U.S. Gal.</source>
        <translation>gal US</translation>
    </message>
    <message>
        <source>Imp. Gal.</source>
        <translation>gal imp.</translation>
    </message>
    <message>
        <source>Litres</source>
        <translation>Litros</translation>
    </message>
    <message>
        <source>Imp. gal.</source>
        <translation>gal imp.</translation>
    </message>
    <message>
        <source>Total Free SO2</source>
        <translation>SO2 libre</translation>
    </message>
    <message>
        <source>Molecular SO2</source>
        <translation>SO2 molecular</translation>
    </message>
    <message>
        <source>tablets</source>
        <translation>tabletas</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>tsp</source>
        <translation>c/c</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Please enter solution percentage.</source>
        <translation>Introduzca el porcentaje de la solución madre.</translation>
    </message>
    <message>
        <source>Solution percentage must be numeric.</source>
        <translation>El porcentaje de la solución madre debe ser un número.</translation>
    </message>
    <message>
        <source>Solution % must be between 0 and 100.</source>
        <translation>El % de la solución madre debe estar entre 0 y 100.</translation>
    </message>
    <message>
        <source>Please enter tablet weight.</source>
        <translation>Introduzca el peso de la tableta.</translation>
    </message>
    <message>
        <source>Tablet weight must be numeric.</source>
        <translation>El peso de la tableta debe ser un número.</translation>
    </message>
    <message>
        <source>Tablet weight cannot be less than 0.</source>
        <translation>El peso de la tableta no puede ser menor que 0.</translation>
    </message>
    <message>
        <source>Please enter batch size.</source>
        <translation>Introduzca el volumen del lote.</translation>
    </message>
    <message>
        <source>Batch size must be numeric.</source>
        <translation>El volumen del lote debe ser un número.</translation>
    </message>
    <message>
        <source>Batch size must be greater than 0.</source>
        <translation>El volumen del lote debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Please enter pH.</source>
        <translation>Introduzca el pH.</translation>
    </message>
    <message>
        <source>pH must be numeric.</source>
        <translation>El pH debe ser un número.</translation>
    </message>
    <message>
        <source>pH must be between 1 and 14.</source>
        <translation>El pH debe estar entre 1 y 14.</translation>
    </message>
    <message>
        <source>Please enter existing SO2.</source>
        <translation>Introduzca el SO2 actual.</translation>
    </message>
    <message>
        <source>Existing SO2 must be numeric.</source>
        <translation>El SO2 actual debe ser un número.</translation>
    </message>
    <message>
        <source>Please enter target SO2.</source>
        <translation>Introduzca el SO2 objetivo.</translation>
    </message>
    <message>
        <source>Target SO2 must be numeric.</source>
        <translation>El SO2 objetivo debe ser un número.</translation>
    </message>
    <message>
        <source>Existing SO2 cannot be greater than target SO2.</source>
        <translation>El SO2 actual no puede ser mayor que el SO2 objetivo.</translation>
    </message>
    <message>
        <source>Tablet weight appears high. Are you sure it is correct?</source>
        <translation>El peso de la tableta parece alto. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>Solution percentage appears high. Are you sure it is correct?</source>
        <translation>El porcentaje de la solución madre parece alto. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>pH appears low. Are you sure it is correct?</source>
        <translation>El pH parece bajo. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>pH appears high. Are you sure it is correct?</source>
        <translation>El pH parece alto. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>User default settings not found.<byte value="xd"/>Loading system defaults.</source>
        <translation>No se han encontrado los ajustes del usuario.<byte value="xd"/>Se cargarán los valores del sistema.</translation>
    </message>
    <message>
        <source>Error setting user defaults.<byte value="xd"/>Using system defaults.</source>
        <translation>Error al aplicar los ajustes del usuario.<byte value="xd"/>Se usarán los valores del sistema.</translation>
    </message>
    <message>
        <source>%1 already running.</source>
        <translation>%1 ya se está ejecutando.</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 es de solo lectura</translation>
    </message>
    <message>
        <source>No user folder for settings.cfg: HOME is not set to a full path</source>
        <translation>No hay carpeta de usuario para settings.cfg: HOME no está definida como una ruta completa</translation>
    </message>
    <message>
        <source>Please select a sulphite form.</source>
        <translation>Seleccione una forma de sulfito.</translation>
    </message>
    <message>
        <source>Solution percentage must be greater than 0.</source>
        <translation>El porcentaje de la solución madre debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Tablet weight must be greater than 0.</source>
        <translation>El peso de la tableta debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Existing SO2 cannot be less than 0.</source>
        <translation>El SO2 actual no puede ser menor que 0.</translation>
    </message>
    <message>
        <source>Target SO2 cannot be less than 0.</source>
        <translation>El SO2 objetivo no puede ser menor que 0.</translation>
    </message>
    <message>
        <source>Free SO2 target appears high. Are you sure it is correct?</source>
        <translation>El SO2 libre objetivo parece alto. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>Molecular SO2 target appears high. Are you sure it is correct?</source>
        <translation>El SO2 molecular objetivo parece alto. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>Batch size is too large to calculate.</source>
        <translation>El volumen del lote es demasiado grande para calcularlo.</translation>
    </message>
    <message>
        <source>Target SO2 is too large to calculate.</source>
        <translation>El SO2 objetivo es demasiado grande para calcularlo.</translation>
    </message>
    <message>
        <source>Solution percentage is too small to calculate.</source>
        <translation>El porcentaje de la solución madre es demasiado pequeño para calcularlo.</translation>
    </message>
    <message>
        <source>Tablet weight is too small to calculate.</source>
        <translation>El peso de la tableta es demasiado pequeño para calcularlo.</translation>
    </message>
    <message>
        <source>No addition needed: the wine is at or above its target.</source>
        <translation>No hace falta añadir nada: el vino ya está en su objetivo o por encima.</translation>
    </message>
    <message>
        <source>Tablet weight appears low. Are you sure it is correct?</source>
        <translation>El peso de la tableta parece bajo. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>Solution percentage appears low. Are you sure it is correct?</source>
        <translation>El porcentaje de la solución madre parece bajo. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>pKa appears low. Are you sure it is correct?</source>
        <translation>El pKa parece bajo. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>pKa appears high. Are you sure it is correct?</source>
        <translation>El pKa parece alto. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>Existing SO2 appears low. Are you sure it is correct?</source>
        <translation>El SO2 actual parece bajo. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>Existing SO2 appears high. Are you sure it is correct?</source>
        <translation>El SO2 actual parece alto. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>Batch size appears large. Are you sure it is correct?</source>
        <translation>El volumen del lote parece muy grande. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>Free SO2 target appears low. Are you sure it is correct?</source>
        <translation>El SO2 libre objetivo parece bajo. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>Molecular SO2 target appears low. Are you sure it is correct?</source>
        <translation>El SO2 molecular objetivo parece bajo. ¿Está seguro de que es correcto?</translation>
    </message>
    <message>
        <source>The amount, %1 ml, is more than any cellar could add: check the batch size, the target and the solution percentage.</source>
        <translation>La cantidad, %1 ml, es más de lo que una bodega podría añadir: compruebe el volumen del lote, el SO2 objetivo y el porcentaje de la solución madre.</translation>
    </message>
    <message>
        <source>The amount, %1 tablets, is more than any cellar could add: check the batch size, the target and the tablet weight.</source>
        <translation>La cantidad, %1 tabletas, es más de lo que una bodega podría añadir: compruebe el volumen del lote, el SO2 objetivo y el peso de la tableta.</translation>
    </message>
    <message>
        <source>The amount, %1 g, is more than any cellar could add: check the batch size and the target.</source>
        <translation>La cantidad, %1 g, es más de lo que una bodega podría añadir: compruebe el volumen del lote y el SO2 objetivo.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 g, too little to weigh: check the batch size, or use a stock solution.</source>
        <translation>La cantidad es inferior a 0,01 g, demasiado poca para pesarla: compruebe el volumen del lote, o use una solución.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 ml, too little to measure: check the batch size, or use a weaker solution.</source>
        <translation>La cantidad es inferior a 0,01 ml, demasiado poca para medirla: compruebe el volumen del lote, o use una solución menos concentrada.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 tablets, too little to add: check the batch size and the tablet weight.</source>
        <translation>La cantidad es inferior a 0,01 tabletas, demasiado poca para añadirla: compruebe el volumen del lote y el peso de una tableta.</translation>
    </message>
    <message>
        <source>Total SO2 would reach %1 mg/L, above the %2 mg/L %3 limit for %4. Are you sure it is correct?</source>
        <translation>El SO2 total llegaría a %1 mg/L, por encima del límite de %2 mg/L (%3) para %4. ¿Confirma este valor?</translation>
    </message>
    <message>
        <source>Total SO2 would reach %1 mg/L, above the %2 mg/L limit given. Are you sure it is correct?</source>
        <translation>El SO2 total llegaría a %1 mg/L, por encima del límite indicado de %2 mg/L. ¿Confirma este valor?</translation>
    </message>
    <message>
        <source>%1 limit for %2</source>
        <translation>límite (%1) para %2</translation>
    </message>
    <message>
        <source>limit given with --limit</source>
        <translation>límite indicado con --limit</translation>
    </message>
    <message>
        <source>colour not given: took red&apos;s limit</source>
        <translation>color no indicado: se tomó el límite del tinto</translation>
    </message>
    <message>
        <source>style not given: took still wine&apos;s limit</source>
        <translation>estilo no indicado: se tomó el límite del vino tranquilo</translation>
    </message>
    <message>
        <source>sugar not given: took the stricter limit</source>
        <translation>azúcar no indicado: se tomó el límite más estricto</translation>
    </message>
    <message>
        <source>quality sparkling wine</source>
        <translation>vino espumoso de calidad</translation>
    </message>
    <message>
        <source>sparkling wine</source>
        <translation>vino espumoso</translation>
    </message>
    <message>
        <source>liqueur wine</source>
        <translation>vino de licor</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>rosé</source>
        <translation>rosado</translation>
    </message>
    <message>
        <source>red</source>
        <translation>tinto</translation>
    </message>
    <message>
        <source>a %1</source>
        <translation>un %1</translation>
    </message>
    <message>
        <source>a %1 with %2 to under %3 g/L of sugar</source>
        <translation>un %1 con %2 a menos de %3 g/L de azúcar</translation>
    </message>
    <message>
        <source>a dry %1</source>
        <translation>un %1 seco</translation>
    </message>
    <message>
        <source>a %1 with %2 g/L of sugar or more</source>
        <translation>un %1 con %2 g/L de azúcar o más</translation>
    </message>
    <message>
        <source>a %1 with %2 g/L of sugar or less</source>
        <translation>un %1 con %2 g/L de azúcar o menos</translation>
    </message>
    <message>
        <source>a %1 with more than %2 g/L of sugar</source>
        <translation>un %1 con más de %2 g/L de azúcar</translation>
    </message>
    <message>
        <source>EU organic</source>
        <translation>UE ecológico</translation>
    </message>
    <message>
        <source>US</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Australian</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>OIV</source>
        <translation>OIV</translation>
    </message>
    <message>
        <source>EU</source>
        <translation>UE</translation>
    </message>
    <message>
        <source>Binding factor must be numeric.</source>
        <translation>El factor de combinación debe ser numérico.</translation>
    </message>
    <message>
        <source>Binding factor cannot be less than 1.</source>
        <translation>El factor de combinación no puede ser menor que 1.</translation>
    </message>
    <message>
        <source>Total SO2 must be numeric.</source>
        <translation>El SO2 total debe ser numérico.</translation>
    </message>
    <message>
        <source>Total SO2 cannot be less than free SO2.</source>
        <translation>El SO2 total no puede ser menor que el SO2 libre.</translation>
    </message>
    <message>
        <source>Sugar must be numeric.</source>
        <translation>El azúcar debe ser numérico.</translation>
    </message>
    <message>
        <source>Sugar cannot be less than 0.</source>
        <translation>El azúcar no puede ser menor que 0.</translation>
    </message>
    <message>
        <source>Binding factor appears high. Are you sure it is correct?</source>
        <translation>El factor de combinación parece alto. ¿Confirma este valor?</translation>
    </message>
    <message>
        <source>Total SO2 appears low. Are you sure it is correct?</source>
        <translation>El SO2 total parece bajo. ¿Confirma este valor?</translation>
    </message>
</context>
</TS>
