# Run by CPack once the packages are made. CPack's -dbgsym package lists its
# files in md5sums by their staging paths and has no documentation folder;
# this writes md5sums with paths inside the package and points the
# documentation folder at the main package's, as Debian's dbgsym packages do.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "-dbgsym_[^/]*\\.ddeb$")
        continue()
    endif()
    get_filename_component(fileName "${package}" NAME)
    string(REGEX REPLACE "_.*" "" dbgsym "${fileName}")
    string(REGEX REPLACE "-dbgsym$" "" mainPackage "${dbgsym}")
    set(tree "${package}.tree")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb -R "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${tree}" "${tree}/usr/*")
    list(SORT files)
    set(sums "")
    foreach(file IN LISTS files)
        file(MD5 "${tree}/${file}" sum)
        string(APPEND sums "${sum}  ${file}\n")
    endforeach()
    file(WRITE "${tree}/DEBIAN/md5sums" "${sums}")
    file(MAKE_DIRECTORY "${tree}/usr/share/doc")
    file(CREATE_LINK "${mainPackage}" "${tree}/usr/share/doc/${dbgsym}" SYMBOLIC)
    execute_process(COMMAND dpkg-deb --root-owner-group -b "${tree}" "${package}"
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${tree}")
endforeach()
