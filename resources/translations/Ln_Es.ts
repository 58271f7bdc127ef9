<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CCheckNew</name>
    <message>
        <source>Check for New Version</source>
        <translation>Buscar nueva versión</translation>
    </message>
    <message>
        <source>This copy of Glimmerbox has no address to check for new versions.</source>
        <translation>Esta copia de Glimmerbox no tiene ninguna dirección para buscar nuevas versiones.</translation>
    </message>
    <message>
        <source>Could not check for a new version: %1</source>
        <translation>No se pudo buscar una nueva versión: %1</translation>
    </message>
    <message>
        <source>Could not check for a new version: the answer was not understood.</source>
        <translation>No se pudo buscar una nueva versión: no se entendió la respuesta.</translation>
    </message>
    <message>
        <source>A new version of Glimmerbox is available: %1.</source>
        <translation>Hay una nueva versión de Glimmerbox disponible: %1.</translation>
    </message>
    <message>
        <source>Download it now</source>
        <translation>Descargarla ahora</translation>
    </message>
    <message>
        <source>You are using the latest version of Glimmerbox.</source>
        <translation>Está usando la última versión de Glimmerbox.</translation>
    </message>
</context>
<context>
    <name>CControlImageThread</name>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Applying &apos;%1&apos; filter</source>
        <translation>Aplicando el filtro &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Zooming</source>
        <translation>Aplicando zoom</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <source>About Glimmerbox</source>
        <translation>Acerca de Glimmerbox</translation>
    </message>
    <message>
        <source>Copyright %1 Tarn&amp;Willow</source>
        <translation>Copyright %1 Tarn&amp;Willow</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>CDialogFilterSelection</name>
    <message>
        <source>Select Filter</source>
        <translation>Seleccionar filtro</translation>
    </message>
    <message>
        <source>All Filters</source>
        <translation>Todos los filtros</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>Decorate</source>
        <translation>Decorar</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No filter selected</source>
        <translation>Ningún filtro seleccionado</translation>
    </message>
</context>
<context>
    <name>CDialogFont</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Strike Out</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CDialogGSWarning</name>
    <message>
        <source>Download GhostScript</source>
        <translation>Descargar GhostScript</translation>
    </message>
    <message>
        <source>Reading EPS and PDF documents needs Ghostscript.</source>
        <translation>Para leer documentos EPS y PDF se necesita Ghostscript.</translation>
    </message>
</context>
<context>
    <name>CDialogOverwrite</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Sí a todo</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>No a todo</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrumpir</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Image %1
already exists, do you want to overwrite it?</source>
        <translation>La foto %1
ya existe. ¿Desea sobrescribirla?</translation>
    </message>
</context>
<context>
    <name>CDialogOverwriteRename</name>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>New file name:</source>
        <translation>Nuevo nombre de archivo:</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSave</name>
    <message>
        <source>Save Profile</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSelection</name>
    <message>
        <source>Select Profile</source>
        <translation>Seleccionar perfil</translation>
    </message>
    <message>
        <source>Choose a profile to start from; its filters and settings replace those of the current job, the photos stay.</source>
        <translation>Elija un perfil como punto de partida: sus filtros y ajustes sustituyen a los del trabajo actual; las fotos se mantienen.</translation>
    </message>
</context>
<context>
    <name>CDialogRename</name>
    <message>
        <source>Custom Renaming</source>
        <translation>Cambio de nombre personalizado</translation>
    </message>
    <message>
        <source>File Name Pattern</source>
        <translation>Modelo de nombre de archivo</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>Empezar en</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Incremento</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Dígitos</translation>
    </message>
    <message>
        <source>Restart in every folder</source>
        <translation>Reiniciar en cada carpeta</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Date of</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>With seconds</source>
        <translation>Con segundos</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>Mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Lower-case extension</source>
        <translation>Extensión en minúsculas</translation>
    </message>
    <message>
        <source>Search and Replace</source>
        <translation>Buscar y reemplazar</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Reemplazar por</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Fecha de captura</translation>
    </message>
    <message>
        <source>Current date and time</source>
        <translation>Fecha y hora actuales</translation>
    </message>
    <message>
        <source>12-hour clock (AM/PM)</source>
        <translation>Formato de 12 horas (AM/PM)</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>Formato de 24 horas</translation>
    </message>
    <message>
        <source>No time</source>
        <translation>Sin hora</translation>
    </message>
    <message>
        <source>Keep unchanged</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>minúsculas</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>MAYÚSCULAS</translation>
    </message>
    <message>
        <source>Capitalize Each Word</source>
        <translation>Primera Letra En Mayúscula</translation>
    </message>
</context>
<context>
    <name>CDialogSaveProject</name>
    <message>
        <source>Would you like to save your settings as a profile before closing?</source>
        <translation>¿Desea guardar sus ajustes como perfil antes de cerrar?</translation>
    </message>
    <message>
        <source>Don&apos;t ask me again</source>
        <translation>No volver a preguntar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CDialogSearch</name>
    <message>
        <source>Search &amp; Add Photos</source>
        <translation>Buscar y añadir fotos</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Search in:</source>
        <translation>Buscar en:</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>Nombres de archivo:</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>Incluir &amp;subcarpetas</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
</context>
<context>
    <name>CDialogSocial</name>
    <message>
        <source>Enjoying Glimmerbox? Tell your friends about it and follow us for news, tips and new versions.</source>
        <translation>¿Le gusta Glimmerbox? Cuénteselo a sus amigos y síganos para conocer novedades, consejos y nuevas versiones.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>No volver a mostrar</translation>
    </message>
</context>
<context>
    <name>CDialogTip</name>
    <message>
        <source>Tip</source>
        <translation>Consejo</translation>
    </message>
    <message>
        <source>Don&apos;t show this tip again</source>
        <translation>No volver a mostrar este consejo</translation>
    </message>
</context>
<context>
    <name>CDialogUnsupportedFormat</name>
    <message>
        <source>Unsupported Files</source>
        <translation>Archivos no admitidos</translation>
    </message>
    <message>
        <source>These files were not added because their format is not supported:</source>
        <translation>Estos archivos no se añadieron porque su formato no es compatible:</translation>
    </message>
</context>
<context>
    <name>CEmail</name>
    <message>
        <source>The e-mail message could not be written: the temporary folder %1 cannot be used.</source>
        <translation>No se pudo escribir el mensaje de correo: no se puede usar la carpeta temporal %1.</translation>
    </message>
    <message>
        <source>The e-mail message %1 could not be written: %2.</source>
        <translation>No se pudo escribir el mensaje de correo %1: %2.</translation>
    </message>
    <message>
        <source>The e-mail message could not be written: every name in %1 is taken.</source>
        <translation>No se pudo escribir el mensaje de correo: todos los nombres de %1 están ocupados.</translation>
    </message>
    <message>
        <source>The e-mail message could not be composed: %1 could not be read.</source>
        <translation>No se pudo redactar el mensaje de correo: no se pudo leer %1.</translation>
    </message>
    <message>
        <source>The mail program could not be opened for %1.</source>
        <translation>No se pudo abrir el programa de correo para %1.</translation>
    </message>
</context>
<context>
    <name>CFilterBlank</name>
    <message>
        <source>There are no settings for this filter</source>
        <translation>Este filtro no tiene ajustes</translation>
    </message>
</context>
<context>
    <name>CFilterCrop</name>
    <message>
        <source>Crop</source>
        <translation>Recorte</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensiones</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Original image size:</source>
        <translation>Tamaño original:</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>en píxeles</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>en porcentaje</translation>
    </message>
</context>
<context>
    <name>CFilterCustomMask</name>
    <message>
        <source>Mask</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Rotate mask for portrait images</source>
        <translation>Girar máscara en verticales</translation>
    </message>
    <message>
        <source>Use a different mask for portrait images</source>
        <translation>Otra máscara para verticales</translation>
    </message>
    <message>
        <source>Portrait Mask</source>
        <translation>Máscara vertical</translation>
    </message>
    <message>
        <source>Alpha (%)</source>
        <translation>Alfa (%)</translation>
    </message>
    <message>
        <source>Select Mask</source>
        <translation>Seleccionar máscara</translation>
    </message>
</context>
<context>
    <name>CFilterGrungeFrame</name>
    <message>
        <source>Frame</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Dibujar en fondo transparente</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Aplicar un marco al azar</translation>
    </message>
</context>
<context>
    <name>CFilterLogo</name>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Logo Path</source>
        <translation>Ruta del logotipo</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Delta X (px)</source>
        <translation>Despl. X (px)</translation>
    </message>
    <message>
        <source>Delta Y (px)</source>
        <translation>Despl. Y (px)</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Offset X</source>
        <translation>Desfase X</translation>
    </message>
    <message>
        <source>Offset Y</source>
        <translation>Desfase Y</translation>
    </message>
    <message>
        <source>Transformation</source>
        <translation>Transformación</translation>
    </message>
    <message>
        <source>Alpha (%)</source>
        <translation>Alfa (%)</translation>
    </message>
    <message>
        <source>Scale (%)</source>
        <translation>Escala (%)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Desenfoque</translation>
    </message>
    <message>
        <source>Rotation (°)</source>
        <translation>Rotación (°)</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Enable Stroke</source>
        <translation>Activar contorno</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Draw Shadow</source>
        <translation>Dibujar sombra</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Top-Left</source>
        <translation>Superior izquierda</translation>
    </message>
    <message>
        <source>Top-Center</source>
        <translation>Superior centro</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>Superior derecha</translation>
    </message>
    <message>
        <source>Middle-Left</source>
        <translation>Centro izquierda</translation>
    </message>
    <message>
        <source>Middle-Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Middle-Right</source>
        <translation>Centro derecha</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>Inferior izquierda</translation>
    </message>
    <message>
        <source>Bottom-Center</source>
        <translation>Inferior centro</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>Inferior derecha</translation>
    </message>
    <message>
        <source>Select Watermark Image</source>
        <translation>Seleccionar imagen de la marca de agua</translation>
    </message>
</context>
<context>
    <name>CFilterPictureFrame</name>
    <message>
        <source>Frame</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Dibujar en fondo transparente</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Aplicar un marco al azar</translation>
    </message>
</context>
<context>
    <name>CFilterRaise</name>
    <message>
        <source>Border</source>
        <translation>Borde</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Efecto</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Hundido</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>En relieve</translation>
    </message>
</context>
<context>
    <name>CFilterResize</name>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensiones</translation>
    </message>
    <message>
        <source>Resize by</source>
        <translation>Ajustar por</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Mantener proporciones</translation>
    </message>
    <message>
        <source>Don’t upscale images that are smaller
than specified size</source>
        <translation>No ampliar fotos más pequeñas
que el tamaño indicado</translation>
    </message>
    <message>
        <source>Original image size:</source>
        <translation>Tamaño original:</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>en píxeles</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>en porcentaje</translation>
    </message>
    <message>
        <source>Width &amp; Height</source>
        <translation>Ancho y alto</translation>
    </message>
    <message>
        <source>Fixed Width</source>
        <translation>Ancho fijo</translation>
    </message>
    <message>
        <source>Fixed Height</source>
        <translation>Alto fijo</translation>
    </message>
    <message>
        <source>Fixed Width &amp; Height</source>
        <translation>Ancho y alto fijos</translation>
    </message>
</context>
<context>
    <name>CFilterRotate</name>
    <message>
        <source>Degrees</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>A la izquierda</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>A la derecha</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Condición</translation>
    </message>
    <message>
        <source>All Photos</source>
        <translation>Todas las fotos</translation>
    </message>
    <message>
        <source>Only Portrait</source>
        <translation>Solo verticales</translation>
    </message>
    <message>
        <source>Only Landscape</source>
        <translation>Solo horizontales</translation>
    </message>
</context>
<context>
    <name>CFilterSettings</name>
    <message>
        <source>&amp;Show preview</source>
        <translation>&amp;Mostrar vista previa</translation>
    </message>
    <message>
        <source>S&amp;witch View</source>
        <translation>&amp;Cambiar vista</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
</context>
<context>
    <name>CFilterShadow</name>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Draw over a white background</source>
        <translation>Dibujar sobre fondo blanco</translation>
    </message>
</context>
<context>
    <name>CFilterShapeFrame</name>
    <message>
        <source>Frame</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Edges</source>
        <translation>Bordes</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Dibujar en fondo transparente</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Aplicar un marco al azar</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Nítidos</translation>
    </message>
    <message>
        <source>Blurred</source>
        <translation>Suaves</translation>
    </message>
</context>
<context>
    <name>CFilterSimpleBorder</name>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensiones</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Use uniform dimensions</source>
        <translation>Usar medidas uniformes</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>en píxeles</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>en porcentaje</translation>
    </message>
</context>
<context>
    <name>CFilterText</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Copyright [Copyright] Tarn&amp;Willow</source>
        <translation>Copyright [Copyright] Tarn&amp;Willow</translation>
    </message>
    <message>
        <source>Add Keyword</source>
        <translation>Añadir campo</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Delta X (px)</source>
        <translation>Despl. X (px)</translation>
    </message>
    <message>
        <source>Delta Y (px)</source>
        <translation>Despl. Y (px)</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Offset X</source>
        <translation>Desfase X</translation>
    </message>
    <message>
        <source>Offset Y</source>
        <translation>Desfase Y</translation>
    </message>
    <message>
        <source>Rotation (°)</source>
        <translation>Rotación (°)</translation>
    </message>
    <message>
        <source>Line spacing (px)</source>
        <translation>Interlineado (px)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Alpha (%)</source>
        <translation>Alfa (%)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Desenfoque</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <source>Enable Stroke</source>
        <translation>Activar contorno</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Recuadro</translation>
    </message>
    <message>
        <source>Draw Bounding-Box</source>
        <translation>Dibujar recuadro</translation>
    </message>
    <message>
        <source>Offset (%)</source>
        <translation>Margen (%)</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Draw Shadow</source>
        <translation>Dibujar sombra</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>Centrado</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Top-Left</source>
        <translation>Superior izquierda</translation>
    </message>
    <message>
        <source>Top-Center</source>
        <translation>Superior centro</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>Superior derecha</translation>
    </message>
    <message>
        <source>Middle-Left</source>
        <translation>Centro izquierda</translation>
    </message>
    <message>
        <source>Middle-Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Middle-Right</source>
        <translation>Centro derecha</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>Inferior izquierda</translation>
    </message>
    <message>
        <source>Bottom-Center</source>
        <translation>Inferior centro</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>Inferior derecha</translation>
    </message>
    <message>
        <source>Select Watermark Image</source>
        <translation>Seleccionar imagen de la marca de agua</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Marca registrada</translation>
    </message>
    <message>
        <source>Trademark</source>
        <translation>Marca comercial</translation>
    </message>
    <message>
        <source>Servicemark</source>
        <translation>Marca de servicio</translation>
    </message>
    <message>
        <source>Source Filename</source>
        <translation>Nombre del archivo original</translation>
    </message>
    <message>
        <source>Source Extension</source>
        <translation>Extensión del archivo original</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>Carpeta del archivo original</translation>
    </message>
    <message>
        <source>Source Path</source>
        <translation>Ruta del archivo original</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artista</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>Fecha de captura</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensiones</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Camera Maker</source>
        <translation>Fabricante de la cámara</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>Modelo de la cámara</translation>
    </message>
    <message>
        <source>F-stop</source>
        <translation>Valor f</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposición</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Focal Length</source>
        <translation>Distancia focal</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitud</translation>
    </message>
</context>
<context>
    <name>CFilterVintageFrame</name>
    <message>
        <source>Frame</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>Dibujar en fondo transparente</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>Aplicar un marco al azar</translation>
    </message>
</context>
<context>
    <name>CFormatSettings</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Photos whose own format cannot be written are saved in this format</source>
        <translation>Las fotos cuyo formato no se puede escribir se guardan en este formato</translation>
    </message>
    <message>
        <source>Other formats as</source>
        <translation>Otros formatos como</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>True colour (RGB)</source>
        <translation>Color real (RGB)</translation>
    </message>
    <message>
        <source>CMYK</source>
        <translation>CMYK</translation>
    </message>
    <message>
        <source>Custom colour profile</source>
        <translation>Perfil de color personalizado</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compresión</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>LZW</source>
        <translation>LZW</translation>
    </message>
    <message>
        <source>RLE</source>
        <translation>RLE</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Zip</translation>
    </message>
    <message>
        <source>Best compression</source>
        <translation>Máxima compresión</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>Paleta</translation>
    </message>
    <message>
        <source>True colour with transparency</source>
        <translation>Color real con transparencia</translation>
    </message>
    <message>
        <source>Fax (Group 3)</source>
        <translation>Fax (Grupo 3)</translation>
    </message>
    <message>
        <source>Fax (Group 4)</source>
        <translation>Fax (Grupo 4)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Limit the file size to</source>
        <translation>Limitar el tamaño del archivo a</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>Tamaño de archivo</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>Entrelazado</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Plano</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>Partición</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Seleccionar...</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Use the sRGB profile</source>
        <translation>Usar el perfil sRGB</translation>
    </message>
    <message>
        <source>Colour profile</source>
        <translation>Perfil de color</translation>
    </message>
    <message>
        <source>Select a colour profile</source>
        <translation>Seleccionar un perfil de color</translation>
    </message>
    <message>
        <source>Colour profiles (*.icc *.icm *.ICC *.ICM)</source>
        <translation>Perfiles de color (*.icc *.icm *.ICC *.ICM)</translation>
    </message>
</context>
<context>
    <name>CImageManager</name>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file holds no image that can be read</source>
        <translation>el archivo no contiene ninguna imagen legible</translation>
    </message>
</context>
<context>
    <name>CListThumb</name>
    <message>
        <source>Top-Left</source>
        <translation>Superior izquierda</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>Superior derecha</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>Inferior derecha</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>Inferior izquierda</translation>
    </message>
    <message>
        <source>Left-Top</source>
        <translation>Izquierda superior</translation>
    </message>
    <message>
        <source>Right-Top</source>
        <translation>Derecha superior</translation>
    </message>
    <message>
        <source>Right-Bottom</source>
        <translation>Derecha inferior</translation>
    </message>
    <message>
        <source>Left-Bottom</source>
        <translation>Izquierda inferior</translation>
    </message>
    <message>
        <source>Uncalibrated</source>
        <translation>Sin calibrar</translation>
    </message>
</context>
<context>
    <name>CListThumbDetails</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>F-stop</source>
        <translation>Valor f</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposición</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>PPP</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordenadas</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitud</translation>
    </message>
</context>
<context>
    <name>CMagickRuntime</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 píxeles</translation>
    </message>
    <message>
        <source>%1 in %2 frames</source>
        <translation>%1 en %2 fotogramas</translation>
    </message>
    <message>
        <source>%1 is more than one photo may have here (%2 megapixels).</source>
        <translation>%1 supera el máximo que una foto puede tener aquí (%2 megapíxeles).</translation>
    </message>
</context>
<context>
    <name>CMainPanel1</name>
    <message>
        <source>&amp;Add Photos</source>
        <translation>&amp;Añadir fotos</translation>
    </message>
    <message>
        <source>A&amp;dd...</source>
        <translation>Aña&amp;dir...</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>Qu&amp;itar</translation>
    </message>
    <message>
        <source>V&amp;iew</source>
        <translation>V&amp;ista</translation>
    </message>
    <message>
        <source>&amp;Show preview</source>
        <translation>&amp;Mostrar vista previa</translation>
    </message>
    <message>
        <source>Drag &amp; Drop Your Photos Here</source>
        <translation>Arrastre y suelte sus fotos aquí</translation>
    </message>
    <message>
        <source>Or Click To Add Photos</source>
        <translation>O haga clic para añadir fotos</translation>
    </message>
    <message>
        <source>Pas&amp;te</source>
        <translation>Pe&amp;gar</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Carpeta</translation>
    </message>
    <message>
        <source>F&amp;older with Subfolders</source>
        <translation>Carpeta con &amp;subcarpetas</translation>
    </message>
    <message>
        <source>&amp;Search &amp;&amp; Add</source>
        <translation>&amp;Buscar y añadir</translation>
    </message>
    <message>
        <source>&amp;Selected</source>
        <translation>&amp;Seleccionadas</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todas</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Detalles</translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation>Iconos &amp;pequeños</translation>
    </message>
    <message>
        <source>&amp;Medium Icons</source>
        <translation>Iconos &amp;medianos</translation>
    </message>
    <message>
        <source>&amp;Large Icons</source>
        <translation>Iconos &amp;grandes</translation>
    </message>
    <message>
        <source>Add &amp;Photo(s)</source>
        <translation>Añadir &amp;foto(s)</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>Añadir &amp;carpeta</translation>
    </message>
    <message>
        <source>Remove S&amp;elected</source>
        <translation>Quitar &amp;seleccionadas</translation>
    </message>
    <message>
        <source>Remove &amp;All</source>
        <translation>Quitar &amp;todas</translation>
    </message>
    <message>
        <source>Select Photo(s)</source>
        <translation>Seleccionar foto(s)</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>No photos selected</source>
        <translation>No hay fotos seleccionadas</translation>
    </message>
    <message>
        <source>Remove selected photo(s) from the list?</source>
        <translation>¿Quitar de la lista las fotos seleccionadas?</translation>
    </message>
    <message>
        <source>Remove all photos from the list?</source>
        <translation>¿Quitar todas las fotos de la lista?</translation>
    </message>
    <message>
        <source>Add the photos you want to edit</source>
        <translation>Añada las fotos que desea editar</translation>
    </message>
    <message>
        <source>Go to Step 2 and define the edits you want to apply to your photos</source>
        <translation>Vaya al paso 2 y defina los cambios que desea aplicar a sus fotos</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>These files and folders were not added because their names are not valid UTF-8:</source>
        <translation>Estos archivos y carpetas no se añadieron porque sus nombres no son UTF-8 válido:</translation>
    </message>
</context>
<context>
    <name>CMainPanel2</name>
    <message>
        <source>Add Filter</source>
        <translation>Añadir filtro</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>Sh&amp;ow preview</source>
        <translation>&amp;Mostrar vista previa</translation>
    </message>
    <message>
        <source>S&amp;witch View</source>
        <translation>&amp;Cambiar vista</translation>
    </message>
    <message>
        <source>Keep Unchanged</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>Rename to Folder&apos;s Name</source>
        <translation>Nombre de la carpeta</translation>
    </message>
    <message>
        <source>Rename to Photo&apos;s Date</source>
        <translation>Fecha de la foto</translation>
    </message>
    <message>
        <source>Custom Defined</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>No filter selected</source>
        <translation>Ningún filtro seleccionado</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Quitar seleccionados</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Quitar todos</translation>
    </message>
    <message>
        <source>Remove selected filter(s)?</source>
        <translation>¿Quitar los filtros seleccionados?</translation>
    </message>
    <message>
        <source>Remove all filters?</source>
        <translation>¿Quitar todos los filtros?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Add Filter</source>
        <translation>&amp;Añadir filtro</translation>
    </message>
    <message>
        <source>Remove &amp;Selected</source>
        <translation>Quitar &amp;seleccionados</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>Quitar &amp;todos</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplicar</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Add a graphic filter that will be applied on all the photos added in Step 1</source>
        <translation>Añada un filtro que se aplicará a todas las fotos del paso 1</translation>
    </message>
    <message>
        <source>Go to Step 3 and select the output folder and image format for the edited photos</source>
        <translation>Vaya al paso 3 y elija la carpeta y el formato de salida de las fotos editadas</translation>
    </message>
</context>
<context>
    <name>CMainPanel3</name>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>S&amp;elect</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <source>Also save on My Computer</source>
        <translation>Guardar también en este equipo</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Use SFTP</source>
        <translation>Usar SFTP</translation>
    </message>
    <message>
        <source>Recreate original folder structure in selected folder</source>
        <translation>Recrear la estructura de carpetas original en la carpeta seleccionada</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>Probar conexión</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>&amp;Create a single multi-page document from all photos (only valid for PDF, TIF, GIF)</source>
        <translation>&amp;Crear un único documento de varias páginas con todas las fotos (solo PDF, TIF, GIF)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>&amp;Open output folder after processing</source>
        <translation>&amp;Abrir la carpeta de salida al terminar</translation>
    </message>
    <message>
        <source>Set output photo&apos;s &amp;date and attributes same as original</source>
        <translation>Copiar la &amp;fecha y los atributos de la foto original</translation>
    </message>
    <message>
        <source>De&amp;lete source photo after processing (move photo)</source>
        <translation>&amp;Eliminar la foto original tras procesarla (mover la foto)</translation>
    </message>
    <message>
        <source>Folder on My Computer (default)</source>
        <translation>Carpeta en este equipo (predeterminado)</translation>
    </message>
    <message>
        <source>Send via E-mail</source>
        <translation>Enviar por correo electrónico</translation>
    </message>
    <message>
        <source>Upload to FTP</source>
        <translation>Subir por FTP</translation>
    </message>
    <message>
        <source>Use selected folder as output destination</source>
        <translation>Usar la carpeta seleccionada como destino</translation>
    </message>
    <message>
        <source>Use original photos&apos; folder as output destination</source>
        <translation>Usar la carpeta de las fotos originales como destino</translation>
    </message>
    <message>
        <source>Create a subfolder in the original photos&apos; folder</source>
        <translation>Crear una subcarpeta en la carpeta de las fotos originales</translation>
    </message>
    <message>
        <source>You have selected to write the resulting photos in the same folder where the originals reside.

If you&apos;d like to keep the originals but still write the resulting photos in the same folder, you need to change the processed photos&apos; name in Step2 &gt; Names</source>
        <translation>Ha elegido escribir las fotos resultantes en la misma carpeta donde están las originales.

Si desea conservar las originales y aun así escribir las fotos resultantes en la misma carpeta, debe cambiar el nombre de las fotos procesadas en Paso 2 &gt; Nombres</translation>
    </message>
    <message>
        <source>Select a folder for saving the resulting photos</source>
        <translation>Seleccione una carpeta para guardar las fotos resultantes</translation>
    </message>
    <message>
        <source>You have selected to delete the original photos after writing the processed ones. We advise you to backup the originals before using this option for the first time.

This action will only delete the originals if the processed photos are correctly written.

In case there are no filters selected the photos will actually be moved very fast and eventually renamed with no quality loss.</source>
        <translation>Ha elegido eliminar las fotos originales después de escribir las procesadas. Le recomendamos hacer una copia de seguridad de las originales antes de usar esta opción por primera vez.

Las originales solo se eliminan si las fotos procesadas se escriben correctamente.

Si no hay ningún filtro seleccionado, las fotos simplemente se moverán, muy rápido, y se les cambiará el nombre si corresponde, sin pérdida de calidad.</translation>
    </message>
    <message>
        <source>When you are ready, go ahead and apply the changes to your photos</source>
        <translation>Cuando esté listo, aplique los cambios a sus fotos</translation>
    </message>
</context>
<context>
    <name>COutputPaths</name>
    <message>
        <source>The sub-folder name &quot;%1&quot; is not usable: it must lie inside each photo&apos;s folder, so it may neither start with &quot;/&quot; nor hold &quot;..&quot;.</source>
        <translation>El nombre de subcarpeta &quot;%1&quot; no es válido: debe quedar dentro de la carpeta de cada foto, así que no puede empezar por &quot;/&quot; ni contener &quot;..&quot;.</translation>
    </message>
</context>
<context>
    <name>CProcessController</name>
    <message>
        <source>Glimmerbox - Processing</source>
        <translation>Glimmerbox - Procesando</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Show log</source>
        <translation>Mostrar registro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Processing %1 images with %2 graphical filter(s) per image.</source>
        <translation>Procesando %1 foto(s) con %2 filtro(s) por foto.</translation>
    </message>
    <message>
        <source>Creating a single multi-page document.</source>
        <translation>Creando un único documento de varias páginas.</translation>
    </message>
    <message>
        <source>System: %1 CPU core(s) detected.</source>
        <translation>Sistema: %1 núcleo(s) de CPU detectado(s).</translation>
    </message>
    <message>
        <source>Launching %1 thread(s) of execution.</source>
        <translation>Iniciando %1 hilo(s) de ejecución.</translation>
    </message>
    <message>
        <source>Unknown destination %1: the photos are saved to the folder.</source>
        <translation>Destino desconocido %1: las fotos se guardan en la carpeta.</translation>
    </message>
    <message>
        <source>Failed to load</source>
        <translation>No se pudo cargar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Photo processing not completed. Abort the operation?</source>
        <translation>El procesamiento de las fotos no ha terminado. ¿Interrumpir la operación?</translation>
    </message>
    <message>
        <source>Upload not completed. Abort the operation?</source>
        <translation>La subida no ha terminado. ¿Interrumpir la operación?</translation>
    </message>
    <message>
        <source>Process interrupted by the user.</source>
        <translation>Proceso interrumpido por el usuario.</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Warning: Process completed with %1 errors. For details see the log above.</source>
        <translation>Advertencia: proceso terminado con %1 error(es). Consulte los detalles en el registro anterior.</translation>
    </message>
    <message>
        <source>Process completed without errors.</source>
        <translation>Proceso terminado sin errores.</translation>
    </message>
    <message>
        <source>Warning: Process completed with %1 errors and %2 warning(s). For details see the log above.</source>
        <translation>Advertencia: proceso terminado con %1 error(es) y %2 advertencia(s). Consulte los detalles en el registro anterior.</translation>
    </message>
    <message>
        <source>Warning: Process completed without errors, with %1 warning(s). For details see the log above.</source>
        <translation>Advertencia: proceso terminado sin errores, con %1 advertencia(s). Consulte los detalles en el registro anterior.</translation>
    </message>
    <message>
        <source>Uploading to </source>
        <translation>Subiendo a </translation>
    </message>
    <message>
        <source>the e-mail message was not handed to the mail program: %1</source>
        <translation>el mensaje de correo no se entregó al programa de correo: %1</translation>
    </message>
    <message>
        <source>The source photos were not deleted: the delivery did not complete.</source>
        <translation>Las fotos originales no se eliminaron: el envío no terminó.</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Subiendo</translation>
    </message>
    <message>
        <source>the upload to %1 did not complete: %2</source>
        <translation>la subida a %1 no terminó: %2</translation>
    </message>
    <message>
        <source>Successfully uploaded %1 picture(s).<byte value="xd"/>
</source>
        <translation>Se subieron correctamente %1 foto(s).<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Deleting temporary files...</source>
        <translation>Eliminando archivos temporales...</translation>
    </message>
    <message>
        <source>Upload failed.</source>
        <translation>Error en la subida.</translation>
    </message>
    <message>
        <source>Upload completed.</source>
        <translation>Subida completada.</translation>
    </message>
    <message>
        <source>Could not save log.</source>
        <translation>No se pudo guardar el registro.</translation>
    </message>
    <message>
        <source>Warning: the name is not valid UTF-8, left out:</source>
        <translation>Advertencia: el nombre no es UTF-8 válido, se omitió:</translation>
    </message>
</context>
<context>
    <name>CProcessThread</name>
    <message>
        <source>Failed to write</source>
        <translation>No se pudo escribir</translation>
    </message>
    <message>
        <source>Failed to load</source>
        <translation>No se pudo cargar</translation>
    </message>
    <message>
        <source>Failed to Rename and Move</source>
        <translation>No se pudo renombrar y mover</translation>
    </message>
    <message>
        <source>Failed to Rename and Copy</source>
        <translation>No se pudo renombrar y copiar</translation>
    </message>
    <message>
        <source>Failed to Move</source>
        <translation>No se pudo mover</translation>
    </message>
    <message>
        <source>Failed to Copy</source>
        <translation>No se pudo copiar</translation>
    </message>
    <message>
        <source>Warning: damaged photo (%1), source kept:</source>
        <translation>Advertencia: foto dañada (%1), se conserva el original:</translation>
    </message>
    <message>
        <source>Warning: damaged photo (%1):</source>
        <translation>Advertencia: foto dañada (%1):</translation>
    </message>
    <message>
        <source>Failed to apply &apos;%1&apos; filter to</source>
        <translation>No se pudo aplicar el filtro &apos;%1&apos; a</translation>
    </message>
    <message>
        <source>Warning: %1 KB written, above the fixed size of %2 KB:</source>
        <translation>Advertencia: se escribieron %1 KB, más que el tamaño fijo de %2 KB:</translation>
    </message>
    <message>
        <source>Processed</source>
        <translation>Procesada</translation>
    </message>
    <message>
        <source>Processed and renamed</source>
        <translation>Procesada y renombrada</translation>
    </message>
    <message>
        <source>Processed and replaced</source>
        <translation>Procesada y reemplazada</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitida</translation>
    </message>
    <message>
        <source>The output %1 lies outside its destination folder %2.</source>
        <translation>La salida %1 queda fuera de su carpeta de destino %2.</translation>
    </message>
    <message>
        <source>Warning: the source photos are kept, they are the pages of</source>
        <translation>Advertencia: se conservan las fotos de origen, son las páginas de</translation>
    </message>
    <message>
        <source>Warning: the source could not be deleted (%1):</source>
        <translation>Advertencia: no se pudo eliminar el origen (%1):</translation>
    </message>
    <message>
        <source>Warning: the source changed during the run and was kept:</source>
        <translation>Advertencia: el origen cambió durante el proceso y se ha conservado:</translation>
    </message>
    <message>
        <source>the temporary folder %1 could not be made: %2</source>
        <translation>no se pudo crear la carpeta temporal %1: %2</translation>
    </message>
    <message>
        <source>Warning: damaged metadata left out (%1), source kept:</source>
        <translation>Advertencia: metadatos dañados omitidos (%1), se conserva el original:</translation>
    </message>
    <message>
        <source>Warning: damaged metadata left out (%1):</source>
        <translation>Advertencia: metadatos dañados omitidos (%1):</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Show profiles window at startup</source>
        <translation>Mostrar la ventana de perfiles al iniciar</translation>
    </message>
    <message>
        <source>Show wizard window at startup</source>
        <translation>Mostrar el asistente al iniciar</translation>
    </message>
    <message>
        <source>Check for new versions automatically</source>
        <translation>Buscar nuevas versiones automáticamente</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Cada día</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Cada semana</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Cada mes</translation>
    </message>
    <message>
        <source>Check:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Procesamiento</translation>
    </message>
    <message>
        <source>Use all the processor&apos;s cores</source>
        <translation>Usar todos los núcleos del procesador</translation>
    </message>
    <message>
        <source>Write the processing log</source>
        <translation>Guardar el registro del procesamiento</translation>
    </message>
    <message>
        <source>Edit and write every page</source>
        <translation>Editar y escribir todas las páginas</translation>
    </message>
    <message>
        <source>Flatten the pages into one photo</source>
        <translation>Combinar las páginas en una sola foto</translation>
    </message>
    <message>
        <source>Edit and write the first page only</source>
        <translation>Editar y escribir solo la primera página</translation>
    </message>
    <message>
        <source>Multi-page files:</source>
        <translation>Archivos de varias páginas:</translation>
    </message>
    <message>
        <source>RAW photos</source>
        <translation>Fotos RAW</translation>
    </message>
    <message>
        <source>As shot by the camera</source>
        <translation>Según la cámara</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>White balance:</source>
        <translation>Balance de blancos:</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Unclip</source>
        <translation>No recortar</translation>
    </message>
    <message>
        <source>Blend</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>Reconstruir</translation>
    </message>
    <message>
        <source>Highlights:</source>
        <translation>Altas luces:</translation>
    </message>
    <message>
        <source>Decoder&apos;s choice</source>
        <translation>Según el decodificador</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>VNG</source>
        <translation>VNG</translation>
    </message>
    <message>
        <source>PPG</source>
        <translation>PPG</translation>
    </message>
    <message>
        <source>AHD</source>
        <translation>AHD</translation>
    </message>
    <message>
        <source>Interpolation:</source>
        <translation>Interpolación:</translation>
    </message>
    <message>
        <source>You need to restart Glimmerbox for the changes to take effect.</source>
        <translation>Debe reiniciar Glimmerbox para que los cambios surtan efecto.</translation>
    </message>
</context>
<context>
    <name>CUpload</name>
    <message>
        <source>The written files are kept in %1</source>
        <translation>Los archivos escritos se conservan en %1</translation>
    </message>
    <message>
        <source>E-mail message handed to the mail program: %1</source>
        <translation>Mensaje de correo entregado al programa de correo: %1</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Files attached successfuly. We advise deleting the temporary files that Glimmerbox may have created in the process (be sure to do that only after you have finished sending your e-mail). Delete temporary files now?</source>
        <translation>Archivos adjuntados correctamente. Le recomendamos eliminar los archivos temporales que Glimmerbox haya podido crear durante el proceso (hágalo solo cuando haya terminado de enviar su correo). ¿Eliminar ahora los archivos temporales?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Could not open default mail client.</source>
        <translation>No se pudo abrir el cliente de correo predeterminado.</translation>
    </message>
    <message>
        <source>The upload was stopped.</source>
        <translation>Se detuvo la subida.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>No se pudo leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message>
        <source>No transfer could be set up.</source>
        <translation>No se pudo preparar ninguna transferencia.</translation>
    </message>
    <message>
        <source>The user name or the password holds a line break, which the FTP server would take for a command of its own: nothing was sent.</source>
        <translation>El nombre de usuario o la contraseña contiene un salto de línea, que el servidor FTP tomaría por una orden aparte: no se ha enviado nada.</translation>
    </message>
</context>
<context>
    <name>CWizardStart</name>
    <message>
        <source>Welcome to Glimmerbox!</source>
        <translation>¡Bienvenido a Glimmerbox!</translation>
    </message>
    <message>
        <source>Glimmerbox&apos;s interface is designed as a three-step wizard, so you just need to follow the predefined steps in order to edit your photos!</source>
        <translation>La interfaz de Glimmerbox es un asistente de tres pasos: solo tiene que seguirlos en orden para editar sus fotos.</translation>
    </message>
    <message>
        <source>To get help press the F1 key anywhere in the interface for a detailed description of the settings.

Press &apos;Next&apos; to see the tutorials.</source>
        <translation>Para obtener ayuda, pulse la tecla F1 en cualquier parte de la interfaz y verá una descripción detallada de los ajustes.

Pulse &apos;Siguiente&apos; para ver los tutoriales.</translation>
    </message>
    <message>
        <source>Don&apos;t show this wizard again</source>
        <translation>No volver a mostrar este asistente</translation>
    </message>
    <message>
        <source>For a more in-depth, hands-on experience we recommend the following tutorial:</source>
        <translation>Para conocerlo más a fondo y en la práctica, le recomendamos este tutorial:</translation>
    </message>
    <message>
        <source>Tutorial - How to Resize and Rotate</source>
        <translation>Tutorial - Cómo redimensionar y girar</translation>
    </message>
</context>
<context>
    <name>FilterBounds</name>
    <message>
        <source>border width</source>
        <translation>ancho del borde</translation>
    </message>
    <message>
        <source>strip height</source>
        <translation>alto de la tira</translation>
    </message>
    <message>
        <source>width</source>
        <translation>ancho</translation>
    </message>
    <message>
        <source>height</source>
        <translation>alto</translation>
    </message>
    <message>
        <source>stroke width</source>
        <translation>ancho del contorno</translation>
    </message>
    <message>
        <source>line width</source>
        <translation>ancho de línea</translation>
    </message>
    <message>
        <source>size</source>
        <translation>tamaño</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>radio</translation>
    </message>
    <message>
        <source>sigma</source>
        <translation>sigma</translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation>amplitud</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s %2 of %3 is beyond its limit of %4.</source>
        <translation>En el filtro &apos;%1&apos;, el valor %3 de %2 supera el límite de %4.</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s result of %2</source>
        <translation>El resultado del filtro &apos;%1&apos; de %2</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s %2 of %3 is too small to resize to.</source>
        <translation>En el filtro &apos;%1&apos;, el valor %3 de %2 es demasiado pequeño para redimensionar.</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>This copy of Glimmerbox has no address for its help pages.</source>
        <translation>Esta copia de Glimmerbox no tiene ninguna dirección para sus páginas de ayuda.</translation>
    </message>
    <message>
        <source>This copy of Glimmerbox has no address for its web site.</source>
        <translation>Esta copia de Glimmerbox no tiene ninguna dirección para su sitio web.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Glimmerbox</source>
        <translation>Glimmerbox</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Wi&amp;zard</source>
        <translation>A&amp;sistente</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Tutorials</source>
        <translation>&amp;Tutoriales</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Load Profile</source>
        <translation>&amp;Cargar perfil</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation>Guardar perfil como</translation>
    </message>
    <message>
        <source>Save Script</source>
        <translation>Guardar script</translation>
    </message>
    <message>
        <source>Save Script As</source>
        <translation>Guardar script como</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Ajustes</translation>
    </message>
    <message>
        <source>Show &amp;Log</source>
        <translation>Mostrar &amp;registro</translation>
    </message>
    <message>
        <source>Select Pr&amp;ofile</source>
        <translation>Seleccionar &amp;perfil</translation>
    </message>
    <message>
        <source>Step 1 - Add &amp;Photos</source>
        <translation>Paso 1 - Añadir &amp;fotos</translation>
    </message>
    <message>
        <source>Ctrl+1</source>
        <translation>Ctrl+1</translation>
    </message>
    <message>
        <source>Step 2 - Edit P&amp;hotos</source>
        <translation>Paso 2 - &amp;Editar fotos</translation>
    </message>
    <message>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <source>Step 3 - &amp;Setup</source>
        <translation>Paso 3 - &amp;Configuración</translation>
    </message>
    <message>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Procesar</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Help Manual</source>
        <translation>&amp;Manual de ayuda</translation>
    </message>
    <message>
        <source>How to &amp;Resize and Rotate Photos</source>
        <translation>Cómo &amp;redimensionar y girar fotos</translation>
    </message>
    <message>
        <source>Check for &amp;New Version</source>
        <translation>Buscar &amp;nueva versión</translation>
    </message>
    <message>
        <source>&amp;Online Support</source>
        <translation>&amp;Soporte en línea</translation>
    </message>
    <message>
        <source>&amp;Visit Our Web Site</source>
        <translation>&amp;Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>&amp;About Us</source>
        <translation>&amp;Acerca de Glimmerbox</translation>
    </message>
    <message>
        <source>Save Project &amp;As</source>
        <translation>Guardar proyecto &amp;como</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Load Project</source>
        <translation>&amp;Cargar proyecto</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>&amp;Guardar proyecto</translation>
    </message>
    <message>
        <source>&amp;Video Presentations</source>
        <translation>&amp;Vídeos de presentación</translation>
    </message>
    <message>
        <source>How to &amp;Add Comments and Time to Photos</source>
        <translation>Cómo &amp;añadir comentarios y hora a las fotos</translation>
    </message>
    <message>
        <source>&amp;Wizard Steps</source>
        <translation>&amp;Pasos del asistente</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>&amp;Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Français</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <source>&amp;Italiano</source>
        <translation>&amp;Italiano</translation>
    </message>
    <message>
        <source>&amp;Japanese</source>
        <translation>&amp;Japanese</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>You need to restart Glimmerbox for the changes to take effect.</source>
        <translation>Debe reiniciar Glimmerbox para que los cambios surtan efecto.</translation>
    </message>
    <message>
        <source>Wizard Steps</source>
        <translation>Pasos del asistente</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Añadir fotos</translation>
    </message>
    <message>
        <source>Edit Photos</source>
        <translation>Editar fotos</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Step 1 - Add all the photos you want to edit</source>
        <translation>Paso 1 - Añada todas las fotos que desea editar</translation>
    </message>
    <message>
        <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
        <translation>Paso 2 - Elija los filtros que se aplicarán a todas las fotos seleccionadas</translation>
    </message>
    <message>
        <source>Step 3 - Select the output path and image format for the edited photos</source>
        <translation>Paso 3 - Elija la carpeta de salida y el formato de las fotos editadas</translation>
    </message>
    <message>
        <source>When you are ready select Process to have all your photos edited</source>
        <translation>Cuando esté listo, elija Procesar para editar todas sus fotos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as you like.

When you are done select Process.</source>
        <translation>Ahora solo tiene que añadir sus fotos en el paso 1 y, si lo desea, cambiar los ajustes de los pasos 2 y 3.

Cuando termine, elija Procesar.</translation>
    </message>
    <message>
        <source>Could not load profile.</source>
        <translation>No se pudo cargar el perfil.</translation>
    </message>
    <message>
        <source>Could not load script.</source>
        <translation>No se pudo cargar el script.</translation>
    </message>
    <message>
        <source>There are no photos to process.</source>
        <translation>No hay fotos para procesar.</translation>
    </message>
    <message>
        <source>Ready to process %1 photos?</source>
        <translation>¿Procesar ahora %1 foto(s)?</translation>
    </message>
    <message>
        <source>An output folder, for the edited photos, needs to be selected before processing (Step 3 &gt; Destination &gt; Folder on My Computer)</source>
        <translation>Antes de procesar debe seleccionar una carpeta de salida para las fotos editadas (Paso 3 &gt; Destino &gt; Carpeta en este equipo)</translation>
    </message>
    <message>
        <source>The selected folder does not exist, do you want to create it now?</source>
        <translation>La carpeta seleccionada no existe. ¿Desea crearla ahora?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>You have selected to delete the source photos after writing the modified ones. Continue?</source>
        <translation>Ha elegido eliminar las fotos originales después de escribir las modificadas. ¿Continuar?</translation>
    </message>
    <message>
        <source>Could not save profile.</source>
        <translation>No se pudo guardar el perfil.</translation>
    </message>
    <message>
        <source>Do you want to disable all notifications when running the script?</source>
        <translation>¿Desea desactivar todos los avisos al ejecutar el script?</translation>
    </message>
    <message>
        <source>Could not save script.</source>
        <translation>No se pudo guardar el script.</translation>
    </message>
    <message>
        <source>Would you like to save your settings?</source>
        <translation>¿Desea guardar sus ajustes?</translation>
    </message>
    <message>
        <source>Your settings will be discarded. Continue?</source>
        <translation>Se descartarán sus ajustes. ¿Continuar?</translation>
    </message>
    <message>
        <source>The log file will be created after the first processing session.</source>
        <translation>El archivo de registro se creará después del primer procesamiento.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Marks</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>Bordes</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>Shape Frame</source>
        <translation>Marco de forma</translation>
    </message>
    <message>
        <source>Grunge Frame</source>
        <translation>Marco grunge</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <translation>Marco clásico</translation>
    </message>
    <message>
        <source>Vintage Frame</source>
        <translation>Marco vintage</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>Relieve</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Simple Border</source>
        <translation>Borde simple</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>Autorrotación</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Annotates with a single or multi-line text comment</source>
        <translation>Añade un comentario de texto de una o varias líneas</translation>
    </message>
    <message>
        <source>Stamps picture with date and time information</source>
        <translation>Estampa la fecha y la hora en la foto</translation>
    </message>
    <message>
        <source>Adds a text copyright notice</source>
        <translation>Añade un aviso de copyright en texto</translation>
    </message>
    <message>
        <source>Adds a copyright logo</source>
        <translation>Añade un logotipo de copyright</translation>
    </message>
    <message>
        <source>Adds a simple shaped frame</source>
        <translation>Añade un marco sencillo con forma</translation>
    </message>
    <message>
        <source>Adds a grunge frame</source>
        <translation>Añade un marco grunge</translation>
    </message>
    <message>
        <source>Adds different masks for portrait and landscape photos</source>
        <translation>Añade máscaras distintas para fotos verticales y horizontales</translation>
    </message>
    <message>
        <source>Adds a classic picture frame</source>
        <translation>Añade un marco clásico</translation>
    </message>
    <message>
        <source>Adds a vintage frame</source>
        <translation>Añade un marco vintage</translation>
    </message>
    <message>
        <source>Creates a Polaroid-like picture frame</source>
        <translation>Crea un marco al estilo Polaroid</translation>
    </message>
    <message>
        <source>Lightens or darkens image edges to give a 3D raised or lowered effect</source>
        <translation>Aclara u oscurece los bordes de la foto para darle un efecto 3D en relieve o hundido</translation>
    </message>
    <message>
        <source>Gives picture a shadow effect around the edges</source>
        <translation>Añade un efecto de sombra alrededor de los bordes de la foto</translation>
    </message>
    <message>
        <source>Adds a simple border around the picture</source>
        <translation>Añade un borde simple alrededor de la foto</translation>
    </message>
    <message>
        <source>Makes picture hazy in appearance</source>
        <translation>Da a la foto un aspecto difuminado</translation>
    </message>
    <message>
        <source>Transforms picture to a charcoal sketch</source>
        <translation>Convierte la foto en un dibujo al carboncillo</translation>
    </message>
    <message>
        <source>Highlights edges in picture</source>
        <translation>Resalta los bordes de la foto</translation>
    </message>
    <message>
        <source>Highlights edges in picture with a 3D effect</source>
        <translation>Resalta los bordes de la foto con un efecto 3D</translation>
    </message>
    <message>
        <source>Makes picture hazy in appearance using the gaussian blur algorithm</source>
        <translation>Da a la foto un aspecto difuminado con el algoritmo de desenfoque gaussiano</translation>
    </message>
    <message>
        <source>Transforms from true colors to grayscale colors</source>
        <translation>Convierte los colores reales en escala de grises</translation>
    </message>
    <message>
        <source>Creates an implosion effect in the center of the image</source>
        <translation>Crea un efecto de implosión en el centro de la foto</translation>
    </message>
    <message>
        <source>Replaces every pixel with its complementary color</source>
        <translation>Sustituye cada píxel por su color complementario</translation>
    </message>
    <message>
        <source>Adds noise to picture</source>
        <translation>Añade ruido a la foto</translation>
    </message>
    <message>
        <source>Makes picture look like an oil painting</source>
        <translation>Hace que la foto parezca una pintura al óleo</translation>
    </message>
    <message>
        <source>Makes picture look older, in warmer colors</source>
        <translation>Envejece la foto con colores más cálidos</translation>
    </message>
    <message>
        <source>Makes picture look like the photographic film was exposed to light during the development process</source>
        <translation>Simula una película expuesta a la luz durante el revelado</translation>
    </message>
    <message>
        <source>Makes picture look like a sculpture in grayscale or true colors</source>
        <translation>Hace que la foto parezca una escultura en escala de grises o en color real</translation>
    </message>
    <message>
        <source>Makes picture blurry by spreading pixels randomly</source>
        <translation>Difumina la foto dispersando los píxeles al azar</translation>
    </message>
    <message>
        <source>Creates a twisting motion</source>
        <translation>Crea un efecto de remolino</translation>
    </message>
    <message>
        <source>Creates a horizontal wave effect</source>
        <translation>Crea un efecto de onda horizontal</translation>
    </message>
    <message>
        <source>Automatically adjusts contrast</source>
        <translation>Ajusta el contraste automáticamente</translation>
    </message>
    <message>
        <source>Automatically adjusts gamma level</source>
        <translation>Ajusta el nivel de gamma automáticamente</translation>
    </message>
    <message>
        <source>Automatically adjusts color levels</source>
        <translation>Ajusta los niveles de color automáticamente</translation>
    </message>
    <message>
        <source>Adjusts light intensity</source>
        <translation>Ajusta la intensidad de la luz</translation>
    </message>
    <message>
        <source>Enhances the intensity differences between the lighter and darker pixels</source>
        <translation>Acentúa las diferencias de intensidad entre los píxeles claros y los oscuros</translation>
    </message>
    <message>
        <source>Adjusts the Red, Green and Blue color channels</source>
        <translation>Ajusta los canales de color rojo, verde y azul</translation>
    </message>
    <message>
        <source>Applies a histogram equalization</source>
        <translation>Aplica una ecualización del histograma</translation>
    </message>
    <message>
        <source>Corrects Hue, Saturation and Lightness</source>
        <translation>Corrige el tono, la saturación y la luminosidad</translation>
    </message>
    <message>
        <source>Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range</source>
        <translation>Ajusta los niveles extendiendo los colores situados entre los puntos blanco y negro indicados a todo el rango disponible</translation>
    </message>
    <message>
        <source>Reduces noise caused by poor lighting conditions or mobile digital cameras</source>
        <translation>Reduce el ruido causado por una iluminación escasa o por las cámaras digitales de los móviles</translation>
    </message>
    <message>
        <source>Sharpens picture by enhancing edge contrast</source>
        <translation>Aumenta la nitidez de la foto realzando el contraste de los bordes</translation>
    </message>
    <message>
        <source>Uses Radius and Threshold options to sharpen picture</source>
        <translation>Usa las opciones Radio y Umbral para dar nitidez a la foto</translation>
    </message>
    <message>
        <source>Automatically rotates photos based on the information embedded by the digital camera</source>
        <translation>Gira las fotos automáticamente según la información guardada por la cámara digital</translation>
    </message>
    <message>
        <source>Automatically crops the image according to a specified aspect ratio</source>
        <translation>Recorta la foto automáticamente según una proporción indicada</translation>
    </message>
    <message>
        <source>Replaces a RGB color or the Alpha channel</source>
        <translation>Sustituye un color RGB o el canal alfa</translation>
    </message>
    <message>
        <source>Cuts a rectangular subregion from the image</source>
        <translation>Recorta una zona rectangular de la foto</translation>
    </message>
    <message>
        <source>Flips picture in vertical and/or horizontal direction</source>
        <translation>Voltea la foto en vertical y/o en horizontal</translation>
    </message>
    <message>
        <source>Adjusts image size using pixels or percents</source>
        <translation>Ajusta el tamaño de la foto en píxeles o en porcentaje</translation>
    </message>
    <message>
        <source>Adjusts document size and DPI resolution</source>
        <translation>Ajusta el tamaño del documento y la resolución en PPP</translation>
    </message>
    <message>
        <source>Rolls vertically or horizontally by a specified number of pixels</source>
        <translation>Desplaza la foto en vertical u horizontal un número indicado de píxeles</translation>
    </message>
    <message>
        <source>Rotates by a specified number of degrees</source>
        <translation>Gira la foto un número indicado de grados</translation>
    </message>
    <message>
        <source>Creates a small thumbnail from the picture</source>
        <translation>Crea una miniatura pequeña de la foto</translation>
    </message>
    <message>
        <source>Keep original image format (if possible)</source>
        <translation>Mantener el formato original (si es posible)</translation>
    </message>
    <message>
        <source>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</source>
        <translation>El proyecto se creó con otra versión del programa, por lo que puede que no se importe correctamente.
Para corregir posibles problemas, revise los ajustes y guarde.</translation>
    </message>
    <message>
        <source>Auto Gamma</source>
        <translation>Gamma automática</translation>
    </message>
    <message>
        <source>Convert to JPEG with High Quality</source>
        <translation>Convertir a JPEG de alta calidad</translation>
    </message>
    <message>
        <source>Convert to JPEG file format with high quality (90%) which will result in larger file sizes.</source>
        <translation>Convierte al formato JPEG con alta calidad (90%), lo que da archivos más grandes.</translation>
    </message>
    <message>
        <source>Convert to JPEG with Medium Quality</source>
        <translation>Convertir a JPEG de calidad media</translation>
    </message>
    <message>
        <source>Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.</source>
        <translation>Convierte al formato JPEG con calidad media (75%), lo que da archivos de tamaño medio.</translation>
    </message>
    <message>
        <source>Convert to PDF Album</source>
        <translation>Convertir en álbum PDF</translation>
    </message>
    <message>
        <source>Create a single PDF album from all the photos added</source>
        <translation>Crea un único álbum PDF con todas las fotos añadidas</translation>
    </message>
    <message>
        <source>Convert to PNG</source>
        <translation>Convertir a PNG</translation>
    </message>
    <message>
        <source>Convert to PNG file format for the best quality.</source>
        <translation>Convierte al formato PNG para obtener la mejor calidad.</translation>
    </message>
    <message>
        <source>Convert to TIFF</source>
        <translation>Convertir a TIFF</translation>
    </message>
    <message>
        <source>Convert to TIFF file format for the best quality.</source>
        <translation>Convierte al formato TIFF para obtener la mejor calidad.</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>Contraste automático</translation>
    </message>
    <message>
        <source>Add Date and Time</source>
        <translation>Añadir fecha y hora</translation>
    </message>
    <message>
        <source>Reduce Noise</source>
        <translation>Reducir ruido</translation>
    </message>
    <message>
        <source>Adjust Sharpness</source>
        <translation>Ajustar nitidez</translation>
    </message>
    <message>
        <source>Effect Black &amp; White</source>
        <translation>Efecto blanco y negro</translation>
    </message>
    <message>
        <source>Effect Charcoal</source>
        <translation>Efecto carboncillo</translation>
    </message>
    <message>
        <source>Effect Implode</source>
        <translation>Efecto implosión</translation>
    </message>
    <message>
        <source>Effect Oil Painting</source>
        <translation>Efecto pintura al óleo</translation>
    </message>
    <message>
        <source>Effect Raise</source>
        <translation>Efecto relieve</translation>
    </message>
    <message>
        <source>Effect Sepia</source>
        <translation>Efecto sepia</translation>
    </message>
    <message>
        <source>Effect Shade</source>
        <translation>Efecto sombreado</translation>
    </message>
    <message>
        <source>Effect Spread</source>
        <translation>Efecto dispersión</translation>
    </message>
    <message>
        <source>Effect Swirl</source>
        <translation>Efecto remolino</translation>
    </message>
    <message>
        <source>Effect Wave</source>
        <translation>Efecto onda</translation>
    </message>
    <message>
        <source>Rename to Folder&apos;s Name</source>
        <translation>Renombrar como la carpeta</translation>
    </message>
    <message>
        <source>If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder&apos;s name</source>
        <translation>Si las fotos están en una carpeta con un nombre significativo, este perfil da a todas las fotos que contiene el nombre de la carpeta</translation>
    </message>
    <message>
        <source>Rename to Photo&apos;s Date</source>
        <translation>Renombrar con la fecha de la foto</translation>
    </message>
    <message>
        <source>Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time</source>
        <translation>Cambia el nombre de un grupo de fotos por la fecha en que se tomaron y añade un contador para distinguir las fotos tomadas al mismo tiempo</translation>
    </message>
    <message>
        <source>Resize for Auction Site</source>
        <translation>Redimensionar para subastas</translation>
    </message>
    <message>
        <source>Make photos very small (400x300) for uploading to auction sites like eBay</source>
        <translation>Reduce mucho las fotos (400x300) para subirlas a sitios de subastas como eBay</translation>
    </message>
    <message>
        <source>Resize for Sending via Email</source>
        <translation>Redimensionar para correo</translation>
    </message>
    <message>
        <source>Make photos smaller (1280x960) for sending as attachment via email</source>
        <translation>Reduce las fotos (1280x960) para enviarlas como adjunto por correo electrónico</translation>
    </message>
    <message>
        <source>Resize for Uploading Online</source>
        <translation>Redimensionar para Internet</translation>
    </message>
    <message>
        <source>Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends</source>
        <translation>Reduce las fotos (1600x1200) para subirlas a sitios como Facebook o Picasa, o para compartirlas con amigos</translation>
    </message>
    <message>
        <source>Send via E-mail</source>
        <translation>Enviar por correo electrónico</translation>
    </message>
    <message>
        <source>Send photos via E-mail</source>
        <translation>Envía las fotos por correo electrónico</translation>
    </message>
    <message>
        <source>Upload to Twitpic</source>
        <translation>Subir a Twitpic</translation>
    </message>
    <message>
        <source>Upload photos to Twitpic</source>
        <translation>Sube las fotos a Twitpic</translation>
    </message>
    <message>
        <source>Upload to Picasa</source>
        <translation>Subir a Picasa</translation>
    </message>
    <message>
        <source>Upload photos to Picasa</source>
        <translation>Sube las fotos a Picasa</translation>
    </message>
    <message>
        <source>Upload to Facebook</source>
        <translation>Subir a Facebook</translation>
    </message>
    <message>
        <source>Upload photos to Facebook</source>
        <translation>Sube las fotos a Facebook</translation>
    </message>
</context>
</TS>
