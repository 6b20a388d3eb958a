; standin_rts.com - a stand-in RTS tool for end-to-end tests of the RTS editor.
;
;   STANDIN_RTS -u <file.rts>
;       "Unpacks" the sounds: writes TAUNT01.VOC ... TAUNT10.VOC into the current directory,
;       each holding its own name. The RTS file is not read.
;   STANDIN_RTS <list file>
;       "Packs" them: reads the list file (MakeRts.txt: the RTS file's name on its first line,
;       then the sound files) and writes the RTS file its first line names anew: "RTS BUILT",
;       CR LF, the list file's text (at most LIST_MAX bytes of it), then the name table an
;       RTS file ends with: for each of the ten sounds its name up to the "." (at most 8
;       characters, NUL-padded) and 8 zero bytes, then 8 zero bytes. The sound files
;       themselves are not read.
;
; Exit code: 0; 1 when a file cannot be read or written or the list names no RTS file.
; Never waits for anything.

        cpu     8086
        org     100h

LIST_MAX        equ 2048
NAME_MAX        equ 80
SOUNDS          equ 10
TABLE_LEN       equ SOUNDS * 16 + 8     ; the names stand 168 bytes before the end

start:
        cld
        ; The tail, NUL-terminated.
        mov     si, 81h
        mov     cl, [80h]
        xor     ch, ch
        mov     di, tail
        rep     movsb
        mov     byte [di], 0

        mov     si, tail
.blanks:
        lodsb
        cmp     al, ' '
        je      .blanks
        cmp     al, 9
        je      .blanks
        dec     si
        cmp     al, '-'
        jne     pack
        mov     al, [si+1]
        or      al, 20h
        cmp     al, 'u'
        jne     pack

unpack:
        mov     byte [count], 1
.next:
        mov     al, [count]
        xor     ah, ah
        mov     dl, 10
        div     dl                      ; AL tens, AH ones
        add     ax, '00'
        mov     [voc_name + 5], ax
        mov     dx, voc_name
        mov     si, voc_name
        mov     bp, VOC_NAME_LEN
        call    write_file
        jc      fail
        inc     byte [count]
        cmp     byte [count], 10
        jbe     .next
        jmp     done

pack:
        ; SI is at the list file's name: cut it at its end.
        mov     dx, si
.name:
        lodsb
        cmp     al, ' '
        je      .named
        cmp     al, 9
        je      .named
        cmp     al, 13
        je      .named
        or      al, al
        jnz     .name
.named:
        mov     byte [si-1], 0

        mov     ax, 3D00h
        int     21h
        jc      fail
        mov     bx, ax
        mov     ah, 3Fh
        mov     cx, LIST_MAX
        mov     dx, list
        int     21h
        jc      fail
        mov     [list_len], ax
        mov     ah, 3Eh
        int     21h

        ; The first line names the RTS file.
        mov     si, list
        mov     di, rts_name
        mov     cx, [list_len]
        cmp     cx, NAME_MAX
        jbe     .first
        mov     cx, NAME_MAX
.first:
        jcxz    .cut
        lodsb
        cmp     al, 13
        je      .cut
        cmp     al, 10
        je      .cut
        stosb
        dec     cx
        jmp     .first
.cut:
        mov     byte [di], 0
        cmp     di, rts_name
        je      fail

        ; The name table the sounds' stems make: each line after the first up to its "."
        ; (at most 8 characters) in a 16-byte entry.
        mov     si, list
        mov     cx, [list_len]
        call    next_line
        mov     di, table
        mov     dx, SOUNDS
.sound:
        push    di
        mov     bx, 8
.stem:
        jcxz    .stemmed
        mov     al, [si]
        cmp     al, '.'
        je      .stemmed
        cmp     al, 13
        je      .stemmed
        cmp     al, 10
        je      .stemmed
        or      bx, bx
        jz      .stemmed
        stosb
        inc     si
        dec     cx
        dec     bx
        jmp     .stem
.stemmed:
        pop     di
        add     di, 16
        call    next_line
        dec     dx
        jnz     .sound

        mov     ah, 3Ch
        xor     cx, cx
        mov     dx, rts_name
        int     21h
        jc      fail
        mov     bx, ax
        mov     si, marker
        mov     bp, [list_len]
        add     bp, MARKER_LEN
        call    write_all
        mov     si, table
        mov     bp, TABLE_LEN
        call    write_all
        mov     ah, 3Eh
        int     21h
        jc      fail

done:
        mov     ax, 4C00h
        int     21h
fail:
        mov     ax, 4C01h
        int     21h

; Creates (or truncates) the file named at DX and writes BP bytes from SI; CF on failure.
write_file:
        mov     ah, 3Ch
        xor     cx, cx
        int     21h
        jc      .done
        mov     bx, ax
        call    write_all
        mov     ah, 3Eh
        int     21h
.done:
        ret

; Writes BP bytes from SI to the file BX; ends the program on failure.
write_all:
        mov     ah, 40h
        mov     cx, bp
        mov     dx, si
        int     21h
        jc      fail
        cmp     ax, bp
        jne     fail
        ret

; Moves SI (CX bytes left) past the end of the line it is in.
next_line:
        jcxz    .done
        lodsb
        dec     cx
        cmp     al, 10
        jne     next_line
.done:
        ret

voc_name        db      'TAUNT01.VOC'
VOC_NAME_LEN    equ     $ - voc_name
                db      0
count           db      0
list_len        dw      0
rts_name        times NAME_MAX + 1 db 0
tail            times 130 db 0
marker          db      'RTS BUILT', 13, 10
MARKER_LEN      equ     $ - marker
list            times LIST_MAX db 0
table           times TABLE_LEN db 0
