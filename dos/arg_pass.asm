; arg_pass.com - the front-end's argument helper.
;
; The front-end copies this file into a game's directory and patches three
; places in the copy, each found by the text in front of it:
;
;   "xxchdir"   then 128 bytes: NUL-terminated DOS directory to change to,
;               e.g. "D:\MAPS\MYMAPS", "D:" or "D:\" (both mean the root of
;               D:). A trailing backslash is accepted. Empty (first byte NUL):
;               stay in the directory we were started in.
;   "yydukedir" then 128 bytes: NUL-terminated path of the program to run,
;               e.g. "D:\GAMES\DUKE3D\duke3d.exe". A .BAT path is run through
;               the command interpreter (COMSPEC, else Z:\COMMAND.COM) as
;               "/C <path> <our tail>".
;   "zzdukedir" then 1 byte, the way-back flag:
;               'N'   stay in the game's drive and directory when the program
;                     ends (what the front-end writes);
;               other go back to the drive and directory we were started in,
;                     and put the game drive's own current directory back as
;                     it was (so an unpatched copy leaves everything as found).
;
; Our own command tail (PSP:80h) is handed to the program unchanged, and the
; program's exit code becomes ours. Our own failures, each with a one-line
; message on stdout naming the path:
;   1  the command line for a .BAT program does not fit in 126 characters
;   2  the directory (or its drive) could not be selected
;   3  there is no program to run, or it could not be started
;
; The file is padded to exactly FILE_SIZE bytes; the front-end checks the
; size before patching.

        cpu     8086
        org     100h

FILE_SIZE       equ 12683
ROOM            equ 128             ; bytes after the first two markers
STACK_BYTES     equ 1024
TAIL_MAX        equ 126             ; longest command tail DOS can carry

EXIT_TOO_LONG   equ 1
EXIT_DIR        equ 2
EXIT_PROGRAM    equ 3

start:
        cli
        mov     sp, stack_top
        sti
        cld

        ; Give back everything above our stack, or EXEC has no room.
        mov     ah, 4Ah
        mov     bx, (stack_top + 15) / 16
        int     21h                     ; ES = our PSP

        ; Where we started, as "X:\path", for the way back.
        mov     ah, 19h
        int     21h
        mov     [start_drive], al
        mov     byte [game_drive_dir], 0
        mov     di, start_dir
        call    current_dir

        call    enter_game_dir
        jc      dir_failed

        mov     si, prog_room
        cmp     byte [si], 0
        je      no_program
        call    strlen                  ; CX = length of the program path
        call    is_batch
        jc      run_direct

; A batch file: COMMAND.COM /C <path> <our tail>.
        ; EXEC of the interpreter would succeed even for a missing batch file,
        ; so look for it first (get attributes does not use the DTA, our tail).
        push    cx
        mov     ax, 4300h
        mov     dx, prog_room
        int     21h                     ; CX = attributes
        pop     cx
        jc      program_failed

        ; Length check first: " /C " + path + separator + tail.
        xor     dl, dl                  ; DL = 1 when a blank must go between
        mov     bl, [80h]
        xor     bh, bh
        or      bx, bx
        jz      .sized
        mov     al, [81h]
        cmp     al, ' '
        je      .sized
        cmp     al, 9
        je      .sized
        inc     dl
.sized:
        mov     ax, 4
        add     ax, cx
        add     ax, bx
        add     al, dl
        adc     ah, 0
        cmp     ax, TAIL_MAX
        ja      tail_too_long
        mov     [batch_tail], al

        mov     di, batch_tail + 1
        mov     si, slash_c
        movsw
        movsw                           ; " /C "
        mov     si, prog_room
        rep     movsb                   ; CX = path length
        or      dl, dl
        jz      .copy_tail
        mov     al, ' '
        stosb
.copy_tail:
        mov     si, 81h
        mov     cx, bx
        rep     movsb
        mov     al, 13
        stosb

        mov     word [exec_tail], batch_tail
        call    find_comspec            ; DX = interpreter path
        jmp     do_exec

run_direct:
        mov     dx, prog_room

; DS:DX = program to start; exec_tail points at the tail to give it.
do_exec:
        mov     [exec_path], dx
        mov     ax, cs
        mov     [exec_tail + 2], ax
        mov     [exec_fcb1 + 2], ax
        mov     [exec_fcb2 + 2], ax
        mov     [saved_sp], sp
        push    cs
        pop     es
        mov     bx, exec_block
        mov     ax, 4B00h
        int     21h
        ; DOS leaves SS:SP (and DS, ES) as the child left them.
        cli
        mov     bx, cs
        mov     ss, bx
        mov     sp, [cs:saved_sp]
        sti
        mov     ds, bx
        mov     es, bx
        cld
        jc      exec_failed

        mov     ah, 4Dh
        int     21h
        mov     [exit_code], al
        cmp     byte [back_flag], 'N'
        je      .stay
        call    go_back
.stay:
        mov     al, [exit_code]
        jmp     quit

; --- failures ---------------------------------------------------------------

dir_failed:
        mov     [dos_error], ax
        call    go_back
        mov     si, msg_dir
        mov     di, dir_buf
        mov     al, EXIT_DIR
        jmp     fail_with_error

no_program:
        mov     si, msg_no_program
        call    print_z
        call    go_back
        mov     al, EXIT_PROGRAM
        jmp     quit

exec_failed:
        ; The message names what we tried to start.
        mov     [dos_error], ax
        call    go_back
        mov     si, msg_run
        mov     di, [exec_path]
        mov     al, EXIT_PROGRAM
        jmp     fail_with_error

program_failed:
        mov     [dos_error], ax
        call    go_back
        mov     si, msg_run
        mov     di, prog_room
        mov     al, EXIT_PROGRAM
        jmp     fail_with_error

tail_too_long:
        call    go_back
        mov     si, msg_too_long
        call    print_z
        mov     si, prog_room
        call    print_z
        mov     si, crlf
        call    print_z
        mov     al, EXIT_TOO_LONG
        jmp     quit

; SI = message, DI = path, AL = exit code; prints "<message><path> (DOS error N)".
fail_with_error:
        push    ax
        call    print_z
        mov     si, di
        call    print_z
        mov     si, msg_error
        call    print_z
        mov     ax, [dos_error]
        call    print_dec
        mov     si, msg_error_end
        call    print_z
        pop     ax
quit:
        mov     ah, 4Ch
        int     21h

; --- the game directory -----------------------------------------------------

; Selects the drive and directory in dir_room. CF set on failure, AX = DOS
; error (15 = invalid drive), dir_buf = the directory as tried.
enter_game_dir:
        mov     si, dir_room
        cmp     byte [si], 0
        je      .done                   ; CF clear from the compare
        call    strlen
        mov     di, dir_buf
        push    cx
        rep     movsb
        pop     cx
        mov     byte [di], 0
        ; Drop one trailing backslash, except from a root ("\" or "X:\").
        cmp     cx, 1
        jbe     .trimmed
        cmp     byte [di - 1], '\'
        jne     .trimmed
        cmp     byte [di - 2], ':'
        je      .trimmed
        dec     di
        mov     byte [di], 0
.trimmed:
        cmp     byte [dir_buf + 1], ':'
        jne     .chdir
        mov     dl, [dir_buf]
        and     dl, 0DFh
        sub     dl, 'A'
        mov     ah, 0Eh
        int     21h
        mov     ah, 19h                 ; select drive never fails, so ask
        int     21h
        cmp     al, dl
        jne     .bad_drive
        cmp     al, [start_drive]
        je      .same_drive
        ; Remember where the game drive stood, for the way back.
        mov     di, game_drive_dir
        call    current_dir
.same_drive:
        cmp     byte [dir_buf + 2], 0
        jne     .chdir
        mov     word [dir_buf + 2], '\'   ; "X:" alone means its root
.chdir:
        mov     ah, 3Bh
        mov     dx, dir_buf
        int     21h
.done:
        ret
.bad_drive:
        mov     ax, 15
        stc
        ret

; Writes the current drive and directory at DI as "X:\path", NUL-terminated.
current_dir:
        mov     ah, 19h
        int     21h
        add     al, 'A'
        mov     [di], al
        mov     word [di + 1], ':\'
        lea     si, [di + 3]
        mov     ah, 47h
        xor     dl, dl
        int     21h
        jnc     .ok
        mov     byte [di], 0            ; unknown: nothing to go back to
.ok:
        ret

; Puts back the game drive's directory, then our start directory and drive.
; Best effort: a failure here changes nothing about our exit code.
go_back:
        cmp     byte [game_drive_dir], 0
        je      .start
        mov     ah, 3Bh
        mov     dx, game_drive_dir
        int     21h
.start:
        cmp     byte [start_dir], 0
        je      .drive
        mov     ah, 3Bh
        mov     dx, start_dir
        int     21h
.drive:
        mov     dl, [start_drive]
        mov     ah, 0Eh
        int     21h
        ret

; --- helpers ----------------------------------------------------------------

; CF clear when the NUL-terminated path at SI (length CX) ends in ".BAT".
is_batch:
        cmp     cx, 4
        jb      .no
        mov     bx, si
        add     bx, cx
        cmp     byte [bx - 4], '.'
        jne     .no
        mov     ax, [bx - 3]
        and     ax, 0DFDFh
        cmp     ax, 'BA'
        jne     .no
        mov     al, [bx - 1]
        and     al, 0DFh
        cmp     al, 'T'
        jne     .no
        clc
        ret
.no:
        stc
        ret

; DX = the command interpreter: COMSPEC from our environment copied to
; shell_path, or the built-in fallback.
find_comspec:
        mov     ax, [2Ch]
        or      ax, ax
        jz      .fallback
        mov     es, ax
        xor     di, di
.entry:
        cmp     byte [es:di], 0
        je      .fallback               ; end of the environment
        mov     si, comspec_name
        mov     cx, comspec_len
        mov     bx, di
        repe    cmpsb
        je      .found
        mov     di, bx
        mov     cx, 8000h
        xor     al, al
        repne   scasb                   ; skip to the next entry
        jcxz    .fallback
        jmp     .entry
.found:
        ; copy the value (ES:DI) into shell_path
        mov     si, di
        mov     di, shell_path
        mov     cx, ROOM - 1
        push    ds
        push    es
        pop     ds
        push    cs
        pop     es
.copy:
        lodsb
        stosb
        or      al, al
        loopnz  .copy
        mov     byte [es:di], 0
        pop     ds
        push    cs
        pop     es
        cmp     byte [shell_path], 0
        je      .fallback
        mov     dx, shell_path
        ret
.fallback:
        push    cs
        pop     es
        mov     dx, default_shell
        ret

; CX = length of the NUL-terminated string at SI.
strlen:
        push    di
        push    ax
        mov     di, si
        mov     cx, 0FFFFh
        xor     al, al
        repne   scasb
        not     cx
        dec     cx
        pop     ax
        pop     di
        ret

; Prints the NUL-terminated string at SI on stdout.
print_z:
        call    strlen
        mov     dx, si
        mov     bx, 1
        mov     ah, 40h
        int     21h
        ret

; Prints AX in decimal on stdout.
print_dec:
        mov     di, num_buf + 6
        mov     byte [di], 0
        mov     bx, 10
.digit:
        xor     dx, dx
        div     bx
        add     dl, '0'
        dec     di
        mov     [di], dl
        or      ax, ax
        jnz     .digit
        mov     si, di
        jmp     print_z

; --- constant data ----------------------------------------------------------

slash_c         db ' /C '
comspec_name    db 'COMSPEC='
comspec_len     equ $ - comspec_name
default_shell   db 'Z:\COMMAND.COM', 0
msg_dir         db 'arg_pass: cannot change to directory ', 0
msg_run         db 'arg_pass: cannot run ', 0
msg_no_program  db 'arg_pass: no program to run', 13, 10, 0
msg_too_long    db 'arg_pass: command line too long for ', 0
msg_error       db ' (DOS error ', 0
msg_error_end   db ')'
crlf            db 13, 10, 0

exec_block:
exec_env        dw 0                    ; inherit our environment
exec_tail       dw 80h, 0
exec_fcb1       dw 5Ch, 0
exec_fcb2       dw 6Ch, 0

; --- the places the front-end patches ---------------------------------------

                db 'xxchdir'
dir_room        times ROOM db 0
                db 'yydukedir'
prog_room       times ROOM db 0
                db 'zzdukedir'
back_flag       db 0

IMAGE_USED      equ $ - $$
%if IMAGE_USED > FILE_SIZE
%error arg_pass.com has outgrown its fixed size
%endif
                times FILE_SIZE - IMAGE_USED db 0

; --- working storage, after the loaded image ---------------------------------

absolute 100h + FILE_SIZE
start_drive     resb 1
saved_sp        resw 1
exec_path       resw 1
dos_error       resw 1
exit_code       resb 1
start_dir       resb 3 + 64 + 1         ; "X:\" + what DOS reports + NUL
game_drive_dir  resb 3 + 64 + 1
dir_buf         resb ROOM + 2
shell_path      resb ROOM
batch_tail      resb 1 + TAIL_MAX + 1   ; length, text, CR
num_buf         resb 8
                resb STACK_BYTES
                alignb 2
stack_top:
