# The web page: the core and its bindings compiled by em++ into one .wasm,
# and the static site around it in ${CMAKE_BINARY_DIR}/site/.
set(korvane_web_exports
    _malloc _free _korvane_calculate _korvane_existing_molecular _korvane_choice_state _korvane_choice_word _korvane_spin
    _korvane_filter_key _korvane_defaults _korvane_save_defaults _korvane_batch
    _korvane_batch_output _korvane_batch_output_size _korvane_page_tables)
string(REPLACE ";" "," korvane_web_exports "${korvane_web_exports}")

add_executable(korvane_wasm ${PROJECT_SOURCE_DIR}/src/web/web_exports.cpp)
target_link_libraries(korvane_wasm PRIVATE korvane_web)
set_target_properties(korvane_wasm PROPERTIES OUTPUT_NAME korvane SUFFIX .wasm)
# Small above all: the whole site goes over a phone's network once. A
# module of its own that needs no loader script (the page instantiates it
# with two imports), no file system, no exceptions, no RTTI, the small
# allocator, and memory that grows with a large cellar file.
foreach(library korvane_web korvane_rules korvane_cellar korvane_files korvane_wasm)
    target_compile_options(${library} PRIVATE -Oz -flto -fno-exceptions -fno-rtti)
endforeach()
target_link_options(korvane_wasm PRIVATE
    -Oz -flto --no-entry -sSTANDALONE_WASM -sFILESYSTEM=0 -sALLOW_MEMORY_GROWTH=1
    -sMALLOC=emmalloc -sEXPORTED_FUNCTIONS=${korvane_web_exports}
    --js-library ${PROJECT_SOURCE_DIR}/src/web/page_imports.js)
set_property(TARGET korvane_wasm APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/src/web/page_imports.js)

# The npm modules the site is bundled from (esbuild, and the libraries the
# page imports), exactly as web/package-lock.json pins them. They go into
# web/node_modules/, where the bundler finds what web/app.js imports.
set(korvane_web_npm ${PROJECT_SOURCE_DIR}/web/node_modules/.package-lock.json)
add_custom_command(OUTPUT ${korvane_web_npm}
    COMMAND npm ci --no-audit --no-fund --loglevel=error
    DEPENDS ${PROJECT_SOURCE_DIR}/web/package.json ${PROJECT_SOURCE_DIR}/web/package-lock.json
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}/web
    COMMENT "Installing the site's npm modules from web/package-lock.json"
    VERBATIM)

file(GLOB korvane_web_assets CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/web/*.html ${PROJECT_SOURCE_DIR}/web/*.js ${PROJECT_SOURCE_DIR}/web/*.css
    ${PROJECT_SOURCE_DIR}/web/*.webmanifest ${PROJECT_SOURCE_DIR}/web/register/*.js
    ${PROJECT_SOURCE_DIR}/web/register/*.css)
file(GLOB korvane_web_translations CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)
set(korvane_site ${CMAKE_BINARY_DIR}/site)
add_custom_command(OUTPUT ${korvane_site}/index.html
    COMMAND python3 ${PROJECT_SOURCE_DIR}/tools/build_site.py
            --web ${PROJECT_SOURCE_DIR}/web
            --wasm $<TARGET_FILE_DIR:korvane_wasm>
            --icon ${PROJECT_SOURCE_DIR}/resources/korvane.svg
            --translations ${PROJECT_SOURCE_DIR}/translations
            --version ${PROJECT_VERSION}
            --out ${korvane_site}
    DEPENDS korvane_wasm ${korvane_web_npm} ${korvane_web_assets} ${korvane_web_translations}
            ${PROJECT_SOURCE_DIR}/tools/build_site.py ${PROJECT_SOURCE_DIR}/tools/site_tables.mjs
            ${PROJECT_SOURCE_DIR}/tools/ts_texts.py ${PROJECT_SOURCE_DIR}/tools/web_texts.py
            ${PROJECT_SOURCE_DIR}/resources/korvane.svg
    VERBATIM)
add_custom_target(korvane_site ALL DEPENDS ${korvane_site}/index.html)
