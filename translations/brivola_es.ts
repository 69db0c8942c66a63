<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutBox</name>
    <message>
        <source>Version 2.0</source>
        <translation>Versión 2.0</translation>
    </message>
    <message>
        <source>Web Browser supporting Multi-Document and Full-Screen Browsing</source>
        <translation>Navegador web con varias ventanas y pantalla completa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Brivola 2.0</source>
        <translation>Acerca de Brivola 2.0</translation>
    </message>
    <message>
        <source>Disclaimer of warranty</source>
        <translation>Exención de garantía</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY: BRIVOLA 2.0

THE SOFTWARE AND ITS MANUAL ARE
PROVIDED AS IS. NO WARRANTY IS GIVEN,
EXPRESS OR IMPLIED, AS TO THEIR
PERFORMANCE, THEIR MERCHANTABILITY OR
ANY OTHER QUALITY, AND NO PROMISE IS
MADE THAT THE SOFTWARE WILL RUN
WITHOUT INTERRUPTION OR ERROR. NOTHING
SAID BY A SALESPERSON OR BY ANY OTHER
PERSON ABOUT THE SOFTWARE IS A
WARRANTY, AND NO SUCH STATEMENT BINDS
THE AUTHOR.

BECAUSE THE SOFTWARE RUNS ON MANY
KINDS OF COMPUTERS AND ALONGSIDE MANY
OTHER PROGRAMS, NO WARRANTY OF FITNESS
FOR ANY PARTICULAR PURPOSE IS OFFERED.
TRY THE PROGRAM THOROUGHLY WITH DATA
THAT DOES NOT MATTER, AND KEEP COPIES
OF YOUR WORK, BEFORE YOU RELY ON IT:
YOU ALONE BEAR THE WHOLE RISK OF USING
IT. SHOULD THE SOFTWARE FAIL, ANY
LIABILITY OF THE AUTHOR IS LIMITED TO
REPLACING THE PRODUCT OR TO REFUNDING
THE PRICE YOU PAID FOR IT.</source>
        <extracomment>Upper case, wrapped by hand in lines of at most 38 characters.</extracomment>
        <translation>EXENCIÓN DE GARANTÍA: BRIVOLA 2.0

EL SOFTWARE Y SU MANUAL SE ENTREGAN
TAL CUAL. NO SE DA NINGUNA GARANTÍA,
EXPRESA NI IMPLÍCITA, EN CUANTO A SU
RENDIMIENTO, SU COMERCIABILIDAD NI
NINGUNA OTRA CUALIDAD, Y NO SE PROMETE
QUE EL SOFTWARE FUNCIONE SIN
INTERRUPCIONES NI ERRORES. NADA DE LO
QUE DIGA UN VENDEDOR U OTRA PERSONA
SOBRE EL SOFTWARE ES UNA GARANTÍA, Y
NINGUNA DE ESAS AFIRMACIONES OBLIGA
AL AUTOR.

COMO EL SOFTWARE FUNCIONA EN MUCHOS
TIPOS DE ORDENADORES Y JUNTO A MUCHOS
OTROS PROGRAMAS, NO SE OFRECE NINGUNA
GARANTÍA DE IDONEIDAD PARA UN FIN
DETERMINADO. PRUEBE EL PROGRAMA A
FONDO CON DATOS QUE NO IMPORTEN Y
GUARDE COPIAS DE SU TRABAJO ANTES DE
CONFIAR EN ÉL: USTED ASUME TODO EL
RIESGO DE SU USO. SI EL SOFTWARE
FALLA, TODA RESPONSABILIDAD DEL AUTOR
SE LIMITA A SUSTITUIR EL PRODUCTO O A
REEMBOLSAR EL PRECIO QUE PAGÓ POR ÉL.</translation>
    </message>
</context>
<context>
    <name>AddressCompletion</name>
    <message>
        <source>Visited pages</source>
        <translation>Páginas visitadas</translation>
    </message>
</context>
<context>
    <name>BrowserWindow</name>
    <message>
        <source>Go Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Stop Loading Page</source>
        <translation>Detener la carga</translation>
    </message>
    <message>
        <source>Go Foreward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Go Home</source>
        <translation>Página de inicio</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Recargar la página</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>Buscar en la web</translation>
    </message>
    <message>
        <source>Change IE4 Settings</source>
        <translation>Cambiar la configuración de Internet</translation>
    </message>
    <message>
        <source>Send E-mail</source>
        <translation>Enviar un correo</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>No se pudo imprimir la página.</translation>
    </message>
    <message>
        <source>MDI Browser</source>
        <translation>Navegador MDI</translation>
    </message>
    <message>
        <source>Enter URL</source>
        <translation>Escriba la dirección</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Addresses entered</source>
        <translation>Direcciones escritas</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Internet options</source>
        <translation>Opciones de Internet</translation>
    </message>
    <message>
        <source>Send e-mail</source>
        <translation>Enviar un correo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Brivola 2.0: a web-browsing shell with a multiple-document frame and a full-screen mode.
Started with an address, it opens that address when full-screen mode starts.
While it runs, a second start hands its addresses to the running program and ends.
Qt&apos;s own options (-platform, -style, ...) are taken by Qt.</source>
        <translation>Brivola 2.0: un entorno de navegación web con un marco de varias ventanas y un modo de pantalla completa.
Iniciado con una dirección, abre esa dirección al comenzar el modo de pantalla completa.
Mientras se ejecuta, un segundo inicio entrega sus direcciones al programa en marcha y termina.
Las opciones propias de Qt (-platform, -style, ...) las toma Qt.</translation>
    </message>
    <message>
        <source>The page full-screen mode opens; the arguments are joined by spaces. After &quot;--&quot;, arguments that start with a dash are part of it too.</source>
        <translation>La página que abre el modo de pantalla completa; los argumentos se unen con espacios. Tras &quot;--&quot;, también forman parte los argumentos que empiezan con un guion.</translation>
    </message>
    <message>
        <source>[address...]</source>
        <translation>[dirección...]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Open each address in a new browser window of the frame instead.</source>
        <translation>Abrir en cambio cada dirección en una nueva ventana de navegación del marco.</translation>
    </message>
</context>
<context>
    <name>DownloadsWindow</name>
    <message>
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
    <message>
        <source>Downloads of this session</source>
        <translation>Descargas de esta sesión</translation>
    </message>
</context>
<context>
    <name>EnginePage</name>
    <message>
        <source>show notifications</source>
        <translation>mostrar notificaciones</translation>
    </message>
    <message>
        <source>know your location</source>
        <translation>conocer su ubicación</translation>
    </message>
    <message>
        <source>use your microphone</source>
        <translation>usar su micrófono</translation>
    </message>
    <message>
        <source>use your camera</source>
        <translation>usar su cámara</translation>
    </message>
    <message>
        <source>use your camera and microphone</source>
        <translation>usar su cámara y su micrófono</translation>
    </message>
    <message>
        <source>hide and lock the mouse pointer</source>
        <translation>ocultar y bloquear el puntero del ratón</translation>
    </message>
    <message>
        <source>share your screen</source>
        <translation>compartir su pantalla</translation>
    </message>
    <message>
        <source>share your screen and its sound</source>
        <translation>compartir su pantalla y su sonido</translation>
    </message>
    <message>
        <source>The certificate is not trusted.</source>
        <translation>El certificado no es de confianza.</translation>
    </message>
    <message>
        <source>The certificate has expired, or is not valid yet.</source>
        <translation>El certificado ha caducado o aún no es válido.</translation>
    </message>
    <message>
        <source>The certificate is for another site.</source>
        <translation>El certificado es de otro sitio.</translation>
    </message>
    <message>
        <source>The certificate has been revoked.</source>
        <translation>El certificado ha sido revocado.</translation>
    </message>
    <message>
        <source>its renderer crashed</source>
        <translation>su proceso de representación falló</translation>
    </message>
    <message>
        <source>its renderer was killed</source>
        <translation>su proceso de representación fue terminado</translation>
    </message>
    <message>
        <source>its renderer ended with status %1</source>
        <translation>su proceso de representación terminó con el estado %1</translation>
    </message>
    <message>
        <source>%1 wants to %2.</source>
        <translation>%1 quiere %2.</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Denegar</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Volver atrás</translation>
    </message>
    <message>
        <source>Continue anyway</source>
        <translation>Continuar de todos modos</translation>
    </message>
    <message>
        <source>The connection to %1 is not secure.

%2</source>
        <translation>La conexión con %1 no es segura.

%2</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>This page stopped</source>
        <translation>Esta página se detuvo</translation>
    </message>
    <message>
        <source>read and change your clipboard</source>
        <translation>leer y cambiar su portapapeles</translation>
    </message>
    <message>
        <source>see the fonts installed on your computer</source>
        <translation>ver las fuentes instaladas en su equipo</translation>
    </message>
    <message>
        <source>Remember this decision</source>
        <translation>Recordar esta decisión</translation>
    </message>
    <message>
        <source>%1 asks for a user name and password.</source>
        <translation>%1 pide un nombre de usuario y una contraseña.</translation>
    </message>
    <message>
        <source>The proxy %1 asks for a user name and password to reach %2.</source>
        <translation>El proxy %1 pide un nombre de usuario y una contraseña para acceder a %2.</translation>
    </message>
    <message>
        <source>The site says: &quot;%1&quot;</source>
        <translation>El sitio dice: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>It says: &quot;%1&quot;</source>
        <translation>Dice: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The user name or password was not accepted.</source>
        <translation>No se aceptó el nombre de usuario o la contraseña.</translation>
    </message>
</context>
<context>
    <name>EngineSetup</name>
    <message>
        <source>Qt WebEngine %1, Chromium %2 (security fixes of %3)</source>
        <extracomment>%1 and %2 are version numbers, %3 the version whose security fixes the engine has.</extracomment>
        <translation>Qt WebEngine %1, Chromium %2 (correcciones de seguridad de %3)</translation>
    </message>
    <message>
        <source>no display to show windows on; start it from a desktop session, or headless with: %1</source>
        <extracomment>%1 is the command that starts the program headless.</extracomment>
        <translation>no hay ninguna pantalla en la que mostrar ventanas; inícielo desde una sesión de escritorio o sin pantalla con: %1</translation>
    </message>
    <message>
        <source>running as root, so the web engine runs without its sandbox</source>
        <translation>se ejecuta como root, así que el motor web funciona sin su entorno aislado</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in page</source>
        <translation>Buscar en la página</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>FullScreenToolbar</name>
    <message>
        <source>&amp;Q</source>
        <translation>&amp;Q</translation>
    </message>
    <message>
        <source>Jump!</source>
        <translation>¡Ir!</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Mini</source>
        <translation>Mini</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Hide toolbar</source>
        <translation>Ocultar la barra de herramientas</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Addresses entered</source>
        <translation>Direcciones escritas</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>FullScreenWindow</name>
    <message>
        <source>&amp;Q</source>
        <translation>&amp;Q</translation>
    </message>
    <message>
        <source>IE Error</source>
        <translation>Error del navegador</translation>
    </message>
    <message>
        <source>That page violates parental rules</source>
        <translation>Esa página infringe las normas parentales</translation>
    </message>
    <message>
        <source>Show toolbar</source>
        <translation>Mostrar la barra de herramientas</translation>
    </message>
    <message>
        <source>The list of restricted pages could not be read, so every page is refused. A parent can repair it with brivola-restrictions.

%1</source>
        <translation>No se pudo leer la lista de páginas restringidas, así que se rechaza toda página. Un padre o una madre puede repararla con brivola-restrictions.

%1</translation>
    </message>
    <message>
        <source>The full-screen guard is damaged, so full-screen mode cannot be left. A parent can repair it with &quot;brivola-restrictions --system passphrase&quot;.

%1</source>
        <translation>La protección del modo de pantalla completa está dañada, así que no se puede salir de él. Un padre o una madre puede repararla con &quot;brivola-restrictions --system passphrase&quot;.

%1</translation>
    </message>
    <message>
        <source>The stored hash of the parent passphrase is damaged.</source>
        <translation>El hash guardado de la contraseña parental está dañado.</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>C&amp;lear History</source>
        <translation>&amp;Borrar historial</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Search history</source>
        <translation>Buscar en el historial</translation>
    </message>
    <message>
        <source>Visits</source>
        <translation>Visitas</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Remove every page from the history?</source>
        <translation>¿Quitar todas las páginas del historial?</translation>
    </message>
</context>
<context>
    <name>IniDisk</name>
    <message>
        <source>Could not read %1: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>Could not copy the damaged settings file %1: %2</source>
        <translation>No se pudo copiar el archivo de configuración dañado %1: %2</translation>
    </message>
    <message>
        <source>Could not read %1: it is not a file</source>
        <translation>No se pudo leer %1: no es un archivo</translation>
    </message>
    <message>
        <source>Could not read %1: it is too large to be a settings file</source>
        <translation>No se pudo leer %1: es demasiado grande para ser un archivo de configuración</translation>
    </message>
    <message>
        <source>Could not save %1: the file is read-only</source>
        <translation>No se pudo guardar %1: el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>Could not save %1: another program keeps it locked</source>
        <translation>No se pudo guardar %1: otro programa lo mantiene bloqueado</translation>
    </message>
    <message>
        <source>Could not save %1: its lock file cannot be made</source>
        <translation>No se pudo guardar %1: no se puede crear su archivo de bloqueo</translation>
    </message>
</context>
<context>
    <name>IniDocument</name>
    <message>
        <source>The settings would grow beyond %1 bytes, the most a file may hold</source>
        <translation>La configuración superaría los %1 bytes, lo máximo que puede contener un archivo</translation>
    </message>
    <message>
        <source>line %1 has a quote that is not closed</source>
        <translation>la línea %1 tiene una comilla que no se cierra</translation>
    </message>
    <message>
        <source>line %1 has a section name without &apos;]&apos;</source>
        <translation>la línea %1 tiene un nombre de sección sin &apos;]&apos;</translation>
    </message>
    <message>
        <source>line %1 has text after its section name</source>
        <translation>la línea %1 tiene texto después de su nombre de sección</translation>
    </message>
    <message>
        <source>The damaged settings file is too large to be repaired</source>
        <translation>El archivo de configuración dañado es demasiado grande para repararlo</translation>
    </message>
    <message>
        <source>line %1 is not valid UTF-8</source>
        <translation>la línea %1 no es UTF-8 válido</translation>
    </message>
    <message>
        <source>line %1 is neither a section, a setting nor a comment</source>
        <translation>la línea %1 no es una sección, ni un ajuste, ni un comentario</translation>
    </message>
    <message>
        <source>line %1 names section [%2], which is also spelled [%3]</source>
        <translation>la línea %1 nombra la sección [%2], que también se escribe [%3]</translation>
    </message>
</context>
<context>
    <name>InternetOptionsDialog</name>
    <message>
        <source>Internet Options</source>
        <translation>Opciones de Internet</translation>
    </message>
    <message>
        <source>&amp;Home page:</source>
        <translation>Página de &amp;inicio:</translation>
    </message>
    <message>
        <source>&amp;Search page:</source>
        <translation>Página de &amp;búsqueda:</translation>
    </message>
    <message>
        <source>Use &amp;Defaults</source>
        <translation>Usar &amp;predeterminados</translation>
    </message>
    <message>
        <source>&amp;Clear Cache, Cookies and History</source>
        <translation>&amp;Borrar caché, cookies e historial</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address.</source>
        <translation>&quot;%1&quot; no es una dirección web.</translation>
    </message>
    <message>
        <source>The settings could not be saved. %1</source>
        <translation>No se pudo guardar la configuración. %1</translation>
    </message>
    <message>
        <source>Cache, cookies and history cleared; what sites stored goes as Brivola next starts.</source>
        <translation>Caché, cookies e historial borrados; lo que guardaron los sitios desaparece en el próximo inicio de Brivola.</translation>
    </message>
    <message>
        <source>Words typed in an address box are searched for here: %s in the address stands for them; without a %s, q=&lt;words&gt; is added.</source>
        <translation>Las palabras escritas en un cuadro de dirección se buscan aquí: %s en la dirección las representa; sin %s, se añade q=&lt;palabras&gt;.</translation>
    </message>
    <message>
        <source>Decisions remembered for sites</source>
        <translation>Decisiones recordadas para los sitios</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Olvidar</translation>
    </message>
    <message>
        <source>Decisions remembered for sites:</source>
        <translation>Decisiones recordadas para los sitios:</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Deny</source>
        <translation>Denegar</translation>
    </message>
    <message>
        <source>%1 may %2: %3</source>
        <translation>%1 puede %2: %3</translation>
    </message>
</context>
<context>
    <name>MachineSettings</name>
    <message>
        <source>%1: [%2] %3 is &quot;%4&quot;, neither %5 nor %6</source>
        <extracomment>%1 is the file, [%2] the section, %3 the key, %4 its value, %5 and %6 the two values it may hold; all as stored.</extracomment>
        <translation>%1: [%2] %3 es &quot;%4&quot;, ni %5 ni %6</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text</source>
        <translation>%1 no es texto UTF-8</translation>
    </message>
</context>
<context>
    <name>MachineSettingsFiles</name>
    <message>
        <source>Could not read %1: permission denied</source>
        <translation>No se pudo leer %1: permiso denegado</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>New QuickNote</source>
        <translation>Nueva QuickNote</translation>
    </message>
    <message>
        <source>SystemInfo</source>
        <translation>Info del sistema</translation>
    </message>
    <message>
        <source>Organizer/Favorites</source>
        <translation>Organizador/Favoritos</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>P. completa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Browser</source>
        <translation>&amp;Nuevo navegador</translation>
    </message>
    <message>
        <source>New &amp;QuickNote</source>
        <translation>Nueva &amp;QuickNote</translation>
    </message>
    <message>
        <source>&amp;Downloads</source>
        <translation>&amp;Descargas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;System Informaton</source>
        <translation>Información del &amp;sistema</translation>
    </message>
    <message>
        <source>&amp;Organizer and Favorites</source>
        <translation>&amp;Organizador y favoritos</translation>
    </message>
    <message>
        <source>&amp;Internet Explorer Settings</source>
        <translation>Configuración de &amp;Internet</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Cascade Windows</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontal</source>
        <translation>Mosaico &amp;horizontal</translation>
    </message>
    <message>
        <source>Tile &amp;Vertical</source>
        <translation>Mosaico &amp;vertical</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>A download is still running. Exit and cancel it?</source>
        <translation>Una descarga sigue en curso. ¿Salir y cancelarla?</translation>
    </message>
    <message>
        <source>%1 downloads are still running. Exit and cancel them?</source>
        <translation>%1 descargas siguen en curso. ¿Salir y cancelarlas?</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historial</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>1. Letter From the Author and Programmer</source>
        <translation>1. Carta del autor y programador</translation>
    </message>
    <message>
        <source>1. Letter From the Author And Programmer</source>
        <translation>1. Carta del autor y programador</translation>
    </message>
    <message>
        <source>Thank you for trying Brivola 2.0. The main new feature of this version is the multiple-document
browsing interface: keep as many browser windows open as you like, all inside one main window.
Version 2.0 also brings the System Information readout, which tells you about your computer,
and a scheduler in the organizer that keeps your appointments by date. I hope you enjoy using it.</source>
        <translation>Gracias por probar Brivola 2.0. La principal novedad de esta versión es la interfaz de navegación
de varios documentos: mantenga abiertas tantas ventanas de navegador como quiera, todas dentro de una ventana principal.
La versión 2.0 también trae la información del sistema, que le informa sobre su ordenador,
y una agenda en el organizador que guarda sus citas por fecha. Espero que disfrute usándolo.</translation>
    </message>
    <message>
        <source>2. Using the MDI Interface</source>
        <translation>2. Uso de la interfaz MDI</translation>
    </message>
    <message>
        <source>When Brivola starts, a browser window opens inside the main window. The browser controls sit at the
top of each browser window: type an address and press Enter, or use the buttons to go back, go
forward, stop, reload, go home or search. For more browser windows, click the &quot;New Browser&quot; button
or choose &quot;New Browser&quot; from the &quot;File&quot; menu. Every browser window stays inside the main window.</source>
        <translation>Al iniciarse Brivola, se abre una ventana de navegador dentro de la ventana principal. Los controles del navegador están en la
parte superior de cada ventana de navegador: escriba una dirección y pulse Intro, o use los botones para retroceder, avanzar,
detener, recargar, ir a la página de inicio o buscar. Para tener más ventanas de navegador, haga clic en el botón &quot;Navegador&quot;
o elija &quot;Nuevo navegador&quot; en el menú &quot;Archivo&quot;. Cada ventana de navegador permanece dentro de la ventana principal.</translation>
    </message>
    <message>
        <source>3. Using the Full Screen Interface</source>
        <translation>3. Uso de la interfaz de pantalla completa</translation>
    </message>
    <message>
        <source>To browse with the whole screen, click the &quot;Full Screen&quot; button. In full-screen mode, click at the
very top of the screen to bring up the floating browser bar, which steers the page. Click &quot;Exit&quot;
on the bar to leave full-screen mode and return to the main window.</source>
        <translation>Para navegar con toda la pantalla, haga clic en el botón &quot;P. completa&quot;. En el modo de pantalla completa, haga clic en el
borde superior de la pantalla para mostrar la barra de navegación flotante, que controla la página. Haga clic en &quot;Salir&quot;
en la barra para salir del modo de pantalla completa y volver a la ventana principal.</translation>
    </message>
    <message>
        <source>4. Organizer/Favorites</source>
        <translation>4. Organizador/Favoritos</translation>
    </message>
    <message>
        <source>The organizer keeps a calendar for your appointments, a list of your Internet favorites and a list
of phone numbers. Pick a date to write down what is planned for that day; double-click a favorite
to open it in a new browser window.</source>
        <translation>El organizador guarda un calendario para sus citas, una lista de sus favoritos de Internet y una lista
de números de teléfono. Elija una fecha para anotar lo previsto para ese día; haga doble clic en un favorito
para abrirlo en una nueva ventana de navegador.</translation>
    </message>
    <message>
        <source>5. System Info</source>
        <translation>5. Info del sistema</translation>
    </message>
    <message>
        <source>The System Info readout shows your computer&apos;s processor, memory and power status, and how long it
has been running. Click &quot;Update&quot; to read it again and &quot;Print&quot; to print it.</source>
        <translation>La información del sistema muestra el procesador, la memoria y el estado de la alimentación de su ordenador, y cuánto tiempo
lleva en marcha. Haga clic en &quot;Actualizar&quot; para leerla de nuevo y en &quot;Imprimir&quot; para imprimirla.</translation>
    </message>
    <message>
        <source>Brivola 2.0 Manual</source>
        <translation>Manual de Brivola 2.0</translation>
    </message>
    <message>
        <source>MDI Browsing System</source>
        <translation>Sistema de navegación MDI</translation>
    </message>
</context>
<context>
    <name>NamedListPage</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Both text boxes must be filled!</source>
        <translation>¡Hay que rellenar los dos cuadros de texto!</translation>
    </message>
</context>
<context>
    <name>OrganizerWindow</name>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Remove Number</source>
        <translation>Quitar número</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Add Number</source>
        <translation>Añadir número</translation>
    </message>
    <message>
        <source>Remove URL</source>
        <translation>Quitar dirección</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Add URL</source>
        <translation>Añadir dirección</translation>
    </message>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>Calender</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Internet Favorites</source>
        <translation>Favoritos de Internet</translation>
    </message>
    <message>
        <source>Phone Numbers</source>
        <translation>Números de teléfono</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Listo</translation>
    </message>
    <message>
        <source>Print Agenda</source>
        <translation>Imprimir agenda</translation>
    </message>
    <message>
        <source>Agenda</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>Clear Appointments</source>
        <translation>Borrar citas</translation>
    </message>
    <message>
        <source>Are you sure</source>
        <translation>¿Está seguro</translation>
    </message>
    <message>
        <source>Clear the Schedule</source>
        <translation>Borrar la agenda</translation>
    </message>
    <message>
        <source>Agenda For: </source>
        <translation>Agenda del: </translation>
    </message>
    <message>
        <source>The organizer&apos;s entries could not be saved. %1

The organizer stays open with everything in it: try &quot;Done&quot; again, or copy your entries elsewhere.</source>
        <translation>No se pudieron guardar las entradas del organizador. %1

El organizador sigue abierto con todo su contenido: pruebe &quot;Listo&quot; de nuevo, o copie sus entradas en otro lugar.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Años</translation>
    </message>
    <message>
        <source>Phone numbers</source>
        <translation>Números de teléfono</translation>
    </message>
    <message>
        <source>Internet favorites</source>
        <translation>Favoritos de Internet</translation>
    </message>
    <message>
        <source>No day</source>
        <translation>Ningún día</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 de %2 de %3</translation>
    </message>
    <message>
        <source>the organizer&apos;s entries could not be saved: %1</source>
        <translation>no se pudieron guardar las entradas del organizador: %1</translation>
    </message>
</context>
<context>
    <name>Passphrase</name>
    <message>
        <source>libsodium could not be initialised</source>
        <translation>no se pudo inicializar libsodium</translation>
    </message>
    <message>
        <source>out of memory while hashing the passphrase</source>
        <translation>memoria agotada al calcular el hash de la contraseña</translation>
    </message>
</context>
<context>
    <name>PassphraseDialog</name>
    <message>
        <source>Leave full-screen mode</source>
        <translation>Salir del modo de pantalla completa</translation>
    </message>
    <message>
        <source>Parent passphrase</source>
        <translation>Contraseña parental</translation>
    </message>
    <message>
        <source>A parent&apos;s passphrase is needed to leave full-screen mode.</source>
        <translation>Se necesita la contraseña de un padre o una madre para salir del modo de pantalla completa.</translation>
    </message>
    <message>
        <source> Wait %1 seconds before the next try.</source>
        <translation> Espere %1 segundos antes del próximo intento.</translation>
    </message>
    <message>
        <source>Wrong passphrase.</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Done, %1</source>
        <translation>Terminado, %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>No program here shows folders; the file is in %1</source>
        <translation>Ningún programa aquí muestra carpetas; el archivo está en %1</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Usuario:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>The printer did not take the document</source>
        <translation>La impresora no aceptó el documento</translation>
    </message>
    <message>
        <source>There is no default printer</source>
        <translation>No hay ninguna impresora predeterminada</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>%1 is damaged: %2</source>
        <extracomment>%1 is the file, %2 the first damage found, such as &quot;line 3 is not valid UTF-8&quot;.</extracomment>
        <translation>%1 está dañado: %2</translation>
    </message>
    <message>
        <source>There is no section &quot;%1&quot; in %2</source>
        <translation>No hay ninguna sección &quot;%1&quot; en %2</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged (%2). A copy of it as it was is kept as %3.</source>
        <extracomment>%2 is the first damage found, such as &quot;line 3 is not valid UTF-8&quot;; %3 the copy.</extracomment>
        <translation>El archivo de configuración %1 estaba dañado (%2). Se guarda una copia de él tal como estaba como %3.</translation>
    </message>
</context>
<context>
    <name>QuickNoteWindow</name>
    <message>
        <source>Save QuickNote</source>
        <translation>Guardar QuickNote</translation>
    </message>
    <message>
        <source>The QuickNote could not be saved to &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar la QuickNote en &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt</source>
        <translation>Archivos de texto (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>RestrictionsTool</name>
    <message>
        <source>Usage: %1 [--system] COMMAND
       %1 --system passphrase [--remove]
       %1 --system start-full-screen on|off
Keeps the parental restriction list of Brivola&apos;s full-screen mode: a page whose
title holds one of its words or phrases, letter case ignored, is refused there.

Commands:
  list         print the list as the full-screen window reads it, one entry a
               line (an empty entry, which refuses every page, as an empty line)
  add WORD     add a word or phrase (put a phrase in quotes: add &quot;bad word&quot;)
  remove WORD  remove every entry equal to WORD, letter case ignored
  clear        empty the list

Machine settings (with --system only):
  passphrase   set the parent passphrase, which leaving full-screen mode asks
               for (asked twice on a terminal, else two lines of the input);
               only a salted Argon2id hash of it is stored
  passphrase --remove
               remove it: full-screen mode is left without one
  start-full-screen on|off
               whether the program opens straight into full-screen mode
  --help       show this help
  --version    show the version

Two lists are kept, and the full-screen window refuses what either holds; it
reads them each time it opens. The user&apos;s own list is in
  %2
which the user, a child too, can change or delete. With --system the command
works on the machine&apos;s list, which only an administrator can change (run it as
root, for example with sudo), and which is out of a child&apos;s reach:
  %3
with the machine settings in section [Full Screen]. Every &quot;*.list&quot; file in its
folder restrictions.d (one entry a line, UTF-8) adds to the machine&apos;s list.
Both keep section [Restrictions]: &quot;Number&quot;, then &quot;0&quot;, &quot;1&quot;, ... Saving
rewrites those keys; other keys of the section are kept.

Exit status: 0 done, 1 failed (word not in the list, list not saved or not
readable, passphrases that differ), 2 wrong usage.
</source>
        <extracomment>%1 is the tool&apos;s name, %2 and %3 the files of the user&apos;s and the machine&apos;s lists. The commands, options, section and key names stay as they are.</extracomment>
        <translation>Uso: %1 [--system] ORDEN
     %1 --system passphrase [--remove]
     %1 --system start-full-screen on|off
Mantiene la lista de restricciones parentales del modo de pantalla completa de
Brivola: una página cuyo título contenga una de sus palabras o frases, sin
distinguir mayúsculas de minúsculas, se rechaza allí.

Órdenes:
  list         mostrar la lista tal como la lee la ventana de pantalla completa,
               una entrada por línea (una entrada vacía, que rechaza todas las
               páginas, como una línea vacía)
  add PALABRA  añadir una palabra o frase (ponga una frase entre comillas:
               add &quot;palabra fea&quot;)
  remove PALABRA
               quitar toda entrada igual a PALABRA, sin distinguir mayúsculas
               de minúsculas
  clear        vaciar la lista

Ajustes del equipo (solo con --system):
  passphrase   establecer la contraseña parental, que se pide al salir del modo
               de pantalla completa (dos veces en un terminal; si no, dos líneas
               de la entrada); solo se guarda un hash Argon2id con sal de ella
  passphrase --remove
               quitarla: se sale del modo de pantalla completa sin contraseña
  start-full-screen on|off
               si el programa se abre directamente en pantalla completa
  --help       mostrar esta ayuda
  --version    mostrar la versión

Se mantienen dos listas, y la ventana de pantalla completa rechaza lo que
contenga cualquiera de ellas; las lee cada vez que se abre. La lista propia del
usuario está en
  %2
que el usuario, también un niño, puede cambiar o borrar. Con --system la orden
actúa sobre la lista del equipo, que solo un administrador puede cambiar
(ejecútela como root, por ejemplo con sudo), y que está fuera del alcance de un
niño:
  %3
con los ajustes del equipo en la sección [Full Screen]. Cada archivo &quot;*.list&quot;
de su carpeta restrictions.d (una entrada por línea, UTF-8) se suma a la lista
del equipo.
Ambas usan la sección [Restrictions]: &quot;Number&quot;, luego &quot;0&quot;, &quot;1&quot;, ... Al guardar
se reescriben esas claves; las demás claves de la sección se conservan.

Estado de salida: 0 hecho, 1 fallo (palabra que no está en la lista, lista no
guardada o no legible, contraseñas distintas), 2 uso incorrecto.
</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Pruebe &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>could not save: %1</source>
        <translation>no se pudo guardar: %1</translation>
    </message>
    <message>
        <source>Only an administrator can change the machine&apos;s settings: run it as root.</source>
        <translation>Solo un administrador puede cambiar los ajustes del equipo: ejecútelo como root.</translation>
    </message>
    <message>
        <source>the machine&apos;s list could not be read: %1
Full-screen mode refuses every page until it can.</source>
        <translation>no se pudo leer la lista del equipo: %1
El modo de pantalla completa rechaza todas las páginas hasta que se pueda.</translation>
    </message>
    <message>
        <source>New parent passphrase: </source>
        <translation>Nueva contraseña parental: </translation>
    </message>
    <message>
        <source>The same again: </source>
        <translation>La misma otra vez: </translation>
    </message>
    <message>
        <source>no passphrase given; nothing changed</source>
        <translation>no se dio ninguna contraseña; nada cambió</translation>
    </message>
    <message>
        <source>the two passphrases differ; nothing changed</source>
        <translation>las dos contraseñas son distintas; nada cambió</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the list</source>
        <translation>&quot;%1&quot; ya está en la lista</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not in the list</source>
        <translation>&quot;%1&quot; no está en la lista</translation>
    </message>
    <message>
        <source>&apos;passphrase&apos; takes nothing or --remove</source>
        <translation>&apos;passphrase&apos; no lleva nada o lleva --remove</translation>
    </message>
    <message>
        <source>&apos;start-full-screen&apos; takes on or off</source>
        <translation>&apos;start-full-screen&apos; lleva on u off</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se dio ninguna orden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a machine setting: use --system %1</source>
        <translation>&apos;%1&apos; es un ajuste del equipo: use --system %1</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes one word; put a phrase in quotes</source>
        <translation>&apos;%1&apos; lleva una palabra; ponga una frase entre comillas</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no word</source>
        <translation>&apos;%1&apos; no lleva ninguna palabra</translation>
    </message>
    <message>
        <source>an empty word would refuse every page; give a word or phrase</source>
        <translation>una palabra vacía rechazaría todas las páginas; dé una palabra o frase</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Version 2.0</source>
        <translation>Versión 2.0</translation>
    </message>
    <message>
        <source>For Windows 95</source>
        <translation>Para Windows 95</translation>
    </message>
</context>
<context>
    <name>SqliteBrowsingMemory</name>
    <message>
        <source>its folder cannot be made</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>Brivola cannot keep its history, zoom and site permissions in %1 (%2). Until it ends, it remembers them in memory only.</source>
        <translation>Brivola no puede guardar su historial, zoom y permisos de sitios en %1 (%2). Hasta que termine, los recuerda solo en memoria.</translation>
    </message>
    <message>
        <source>its layout %1 is not one this version of Brivola knows</source>
        <translation>esta versión de Brivola no conoce su estructura %1</translation>
    </message>
    <message>
        <source>The database of Brivola&apos;s history, zoom and site permissions was damaged. It was moved aside as %1, and a new one was started.</source>
        <translation>La base de datos del historial, el zoom y los permisos de sitios de Brivola estaba dañada. Se apartó como %1 y se creó una nueva.</translation>
    </message>
    <message>
        <source>Brivola could not record its history, zoom or site permissions (%1). What it could not record is lost; browsing goes on.</source>
        <translation>Brivola no pudo registrar su historial, zoom o permisos de sitios (%1). Lo que no pudo registrar se pierde; la navegación continúa.</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>en</source>
        <extracomment>The language code of this translation, as a page&apos;s lang attribute takes it.</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>Brivola Start Page</source>
        <translation>Página de inicio de Brivola</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Navegar</translation>
    </message>
    <message>
        <source>Type an address into the box above and press %1. &quot;New Browser&quot; opens another window; the Window menu cascades or tiles them.</source>
        <extracomment>%1 is the Enter key. The quoted names are the frame&apos;s button and menu.</extracomment>
        <translation>Escriba una dirección en el cuadro de arriba y pulse %1. &quot;Navegador&quot; abre otra ventana; el menú Ventana las coloca en cascada o en mosaico.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>&quot;Full Screen&quot; gives the whole screen to one page. Click the top edge of the screen, or press %1, to bring up the floating toolbar.</source>
        <extracomment>%1 is the keys Alt+Q. &quot;Full Screen&quot; is the frame&apos;s button.</extracomment>
        <translation>&quot;P. completa&quot; da toda la pantalla a una sola página. Haga clic en el borde superior de la pantalla, o pulse %1, para mostrar la barra de herramientas flotante.</translation>
    </message>
    <message>
        <source>Organize</source>
        <translation>Organizar</translation>
    </message>
    <message>
        <source>The organizer keeps your appointments, phone numbers and favourite pages. Press %1 for the manual.</source>
        <extracomment>%1 is the F1 key.</extracomment>
        <translation>El organizador guarda sus citas, números de teléfono y páginas favoritas. Pulse %1 para ver el manual.</translation>
    </message>
</context>
<context>
    <name>StoredCount</name>
    <message>
        <source>The organizer&apos;s saved data is damaged: the count &quot;%1&quot; in section &quot;%2&quot; holds &quot;%3&quot;, which is not a number, or more than %4 entries.

The organizer was not opened, so nothing in its data has been changed. Please repair or remove this file:
%5</source>
        <extracomment>%1 and %2 are the count&apos;s key and section as stored, %3 its value, %4 the most entries, %5 the file.</extracomment>
        <translation>Los datos guardados del organizador están dañados: el contador &quot;%1&quot; de la sección &quot;%2&quot; contiene &quot;%3&quot;, que no es un número o supera las %4 entradas.

El organizador no se abrió, así que no se ha cambiado nada de sus datos. Repare o elimine este archivo:
%5</translation>
    </message>
</context>
<context>
    <name>SystemInfoWindow</name>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Información del sistema</translation>
    </message>
</context>
<context>
    <name>SystemReport</name>
    <message>
        <source>Status Unknown</source>
        <translation>Estado desconocido</translation>
    </message>
    <message>
        <source>Windows has been running for: %1 Hours %2 Minutes</source>
        <translation>Windows lleva en marcha: %1 horas %2 minutos</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Critical</source>
        <translation>Crítica</translation>
    </message>
    <message>
        <source>Charging</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>No system battery</source>
        <translation>Sin batería del sistema</translation>
    </message>
    <message>
        <source>System Information as of: %1, %2</source>
        <translation>Información del sistema a fecha de: %1, %2</translation>
    </message>
    <message>
        <source>&lt;-- Processor Information --&gt;</source>
        <translation>&lt;-- Información del procesador --&gt;</translation>
    </message>
    <message>
        <source>Processor Type: %1</source>
        <translation>Tipo de procesador: %1</translation>
    </message>
    <message>
        <source># Of Processors: %1</source>
        <translation>N.º de procesadores: %1</translation>
    </message>
    <message>
        <source>Minimum Application Address: %1</source>
        <translation>Dirección mínima de aplicación: %1</translation>
    </message>
    <message>
        <source>Maximum Application Address: %1</source>
        <translation>Dirección máxima de aplicación: %1</translation>
    </message>
    <message>
        <source>&lt;-- Memory Information --&gt;</source>
        <translation>&lt;-- Información de la memoria --&gt;</translation>
    </message>
    <message>
        <source>Memory Use: %1%</source>
        <translation>Uso de memoria: %1 %</translation>
    </message>
    <message>
        <source>Total Physical Memory: %1 Kilobytes</source>
        <translation>Memoria física total: %1 kilobytes</translation>
    </message>
    <message>
        <source>Available Physical Memory: %1 Kilobytes</source>
        <translation>Memoria física disponible: %1 kilobytes</translation>
    </message>
    <message>
        <source>Total Virtual Memory: %1 Kilobytes</source>
        <translation>Memoria virtual total: %1 kilobytes</translation>
    </message>
    <message>
        <source>Available Virtual Memory: %1 Kilobytes</source>
        <translation>Memoria virtual disponible: %1 kilobytes</translation>
    </message>
    <message>
        <source>&lt;-- Power Information --&gt;</source>
        <translation>&lt;-- Información de la alimentación --&gt;</translation>
    </message>
    <message>
        <source>AC Power Status: %1</source>
        <translation>Estado de la alimentación de CA: %1</translation>
    </message>
    <message>
        <source>Battery Status: %1</source>
        <translation>Estado de la batería: %1</translation>
    </message>
    <message>
        <source>Percent Of Battery Charge: %1%</source>
        <translation>Porcentaje de carga de la batería: %1 %</translation>
    </message>
    <message>
        <source>Time Left (min): %1</source>
        <translation>Tiempo restante (min): %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>the file was not written whole</source>
        <translation>el archivo no se escribió completo</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Cannot connect to this site or directory</source>
        <translation>No se puede conectar con este sitio o directorio</translation>
    </message>
    <message>
        <source>Printer Error</source>
        <translation>Error de impresora</translation>
    </message>
    <message>
        <source>Blocked a window this page tried to open on its own</source>
        <translation>Se bloqueó una ventana que esta página intentó abrir por su cuenta</translation>
    </message>
</context>
<context>
    <name>TimeOnline</name>
    <message>
        <source>Time Online: %1 Hours %2 Minutes %3 Seconds </source>
        <translation>En línea: %1 horas %2 minutos %3 segundos </translation>
    </message>
</context>
<context>
    <name>WebEngineBrowser</name>
    <message>
        <source>Save link as...</source>
        <translation>Guardar enlace como...</translation>
    </message>
    <message>
        <source>Print %1</source>
        <translation>Imprimir %1</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Abrir enlace</translation>
    </message>
    <message>
        <source>There is no earlier page</source>
        <translation>No hay ninguna página anterior</translation>
    </message>
    <message>
        <source>There is no later page</source>
        <translation>No hay ninguna página siguiente</translation>
    </message>
    <message>
        <source>Page loading</source>
        <translation>Cargando la página</translation>
    </message>
</context>
<context>
    <name>WebEngineProfile</name>
    <message>
        <source>Full-screen mode does not download files.</source>
        <translation>El modo de pantalla completa no descarga archivos.</translation>
    </message>
</context>
</TS>
