# Usage: cmake -DDIR=<folder> -P CheckNoQtIncludes.cmake
# Fails when a source file in DIR includes a Qt header (<Q...>, <qt...>,
# or a Qt module folder such as <QtCore/...>).
file(GLOB_RECURSE sources ${DIR}/*.h ${DIR}/*.cpp ${DIR}/*.h.in)
foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q|qt)")
    if(includes)
        message(FATAL_ERROR "${source} includes a Qt header: ${includes}")
    endif()
endforeach()
