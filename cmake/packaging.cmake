# Who releases Tavrolin, where, and the Debian package that `cpack` writes from the
# install rules (`./dev package`).

# The desktop file, the AppStream metainfo and the name a desktop knows the editor by.
set(TAVROLIN_APP_ID io.github.tavrolin.tavrolin)
# The day PROJECT_VERSION was released: change the two together.
set(TAVROLIN_RELEASE_DATE 2026-12-06)
set(TAVROLIN_MAINTAINER "Tavrolin maintainers <maintainers@users.noreply.c-seed-d3ead1d3.example>")
set(TAVROLIN_HOMEPAGE https://github.com/tavrolin/tavrolin)
# The README's screenshots as the repository serves them at the release's tag.
set(TAVROLIN_SCREENSHOTS
    https://raw.githubusercontent.com/tavrolin/tavrolin/v${PROJECT_VERSION}/docs)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrolin)
set(CPACK_PACKAGE_VENDOR "The Tavrolin authors")
set(CPACK_PACKAGE_HOMEPAGE_URL ${TAVROLIN_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pixel-picture editor for Casio graphing calculators")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tavrolin draws 128 × 64 pictures for the screens of Casio graphing calculators:
the black-and-white Algebra FX 2.0, the colour CFX-9850 and the fx-9860G
family. It draws with a pen, lines, rectangles and circles in five colours,
stamps text, mirrors and recolours the picture and undoes the last step.

Pictures are opened and saved as the .cat files of the calculators' PC-link
software and as the .g1m files of the fx-9860G and Graph 35+ to Graph 85;
any image can be imported, fitted and dithered to the screen, and pictures
are exported as BMP. The tavrolin-cat program converts pictures on the
command line. The user interface is in Slovak, English or French.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TAVROLIN_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries follow from the programs; Qt finds no screen without its platform
# plugins, which its own package only recommends.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The editor's font, and Qt's own texts (the file dialogs) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
