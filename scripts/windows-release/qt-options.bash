# Sourced by the scripts that build Qt for Windows or read its build: the options Qt is configured
# with (qt_options).
# Relocatable: Qt finds its files from where the program is, so no folder of the machine that
# built it is written into the program.
# Everything the program does not need is off: fewer steps, a smaller program. Fonts come from
# Windows itself (DirectWrite), pictures are PNG only, no file type is ever looked up (so no
# built-in copy of the MIME database), and of the widgets only what the window, its message boxes
# and the tests use is kept.
# shellcheck disable=SC2034 # read by the scripts that source this file
qt_options=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DFEATURE_optimize_size=ON
    -DFEATURE_relocatable=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_mimetype_database=OFF
    -DINPUT_opengl=no -DFEATURE_vulkan=OFF
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF -DFEATURE_freetype=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_zstd=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textodfwriter=OFF
    -DFEATURE_pdf=OFF -DFEATURE_sessionmanager=OFF -DFEATURE_movie=OFF
    -DFEATURE_undocommand=OFF -DFEATURE_undostack=OFF -DFEATURE_undogroup=OFF
    -DFEATURE_systemtrayicon=OFF -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF
    -DFEATURE_dockwidget=OFF -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF
    -DFEATURE_lcdnumber=OFF -DFEATURE_dial=OFF -DFEATURE_splashscreen=OFF
    -DFEATURE_keysequenceedit=OFF -DFEATURE_wizard=OFF -DFEATURE_colordialog=OFF
    -DFEATURE_fontdialog=OFF -DFEATURE_fontcombobox=OFF -DFEATURE_columnview=OFF
    -DFEATURE_undoview=OFF -DFEATURE_commandlinkbutton=OFF -DFEATURE_toolbox=OFF
    -DFEATURE_datawidgetmapper=OFF -DFEATURE_errormessage=OFF
    -DFEATURE_progressdialog=OFF -DFEATURE_filedialog=OFF -DFEATURE_fscompleter=OFF
)
