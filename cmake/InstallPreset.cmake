# Run while installing (cmake --install, CPack): puts the administrator's
# preset, settings.cfg with the built-in defaults, into the system
# configuration folder of the prefix installed to, by GNUInstallDirs' own
# rule: /etc for /usr, /etc/opt/<name> for /opt/<name>, <prefix>/etc for any
# other. The prefix is known only now (make install PREFIX=..., the .deb's
# /usr); the program finds the preset by the same rule from its own folder
# (src/platform/settings_location.h).
#
# A preset already in place may hold an administrator's changes: it is kept,
# and is then not this install's to remove.
#
# Expects korvane_preset (the file to install) and korvane_sysconfdir
# (CMAKE_INSTALL_SYSCONFDIR of the build); what it installs joins the
# install's manifest, which `make uninstall` removes.
block(PROPAGATE CMAKE_INSTALL_MANIFEST_FILES)
    # Only the configuration folder is wanted; a library folder set here
    # spares the module its search for one, which needs a compiler.
    set(CMAKE_INSTALL_LIBDIR lib)
    include(GNUInstallDirs)
    GNUInstallDirs_get_absolute_install_dir(folder korvane_sysconfdir SYSCONFDIR)
    set(folder "${folder}/korvane")
    if(EXISTS "$ENV{DESTDIR}${folder}/settings.cfg")
        message(STATUS "Kept: $ENV{DESTDIR}${folder}/settings.cfg")
    else()
        file(INSTALL DESTINATION "${folder}" TYPE FILE FILES "${korvane_preset}")
    endif()
endblock()
